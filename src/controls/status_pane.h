#pragma once

#include <string_view>

#include "controls/blinking_control.h"
#include "controls/frame_style.h"
#include "controls/visual_style.h"
#include "ui/control.h"
#include "ui/text_alignment.h"

namespace orvanta::controls {

// What a pane asks of the status bar it stands on.
class StatusPaneOwner {
 public:
  virtual TUiVisualStyle PaneVisualStyle() const = 0;
  virtual int PaneBorderWidth() const = 0;  // the bar's gap between border and panes
  virtual bool ServesSizeGrip() const = 0;  // ShowSizeGrip is on
  // The bar's client width: a pane whose right edge reaches it meets the grip.
  virtual int PaneAreaRight() const = 0;

 protected:
  ~StatusPaneOwner() = default;
};

// A framed caption pane of a status bar: a flat frame with its corner pixels left out, then
// the caption on one line, clipped to the frame. Transparent by default, so the bar's
// background shows behind the text; on a gradient bar a separator line replaces the frame. The
// caption may blink on the shared blink timer.
class TUiCustomStatusPane : public ui::Control, public BlinkingControl {
 public:
  static constexpr int kDefaultWidth = 40;  // an auto-sized pane without a caption

  TUiCustomStatusPane();

  void SetAlignment(ui::Alignment alignment);
  void SetFrameStyle(TFrameStyle style);
  int BorderWidth() const { return m_borderWidth; }
  void SetBorderWidth(int width);
  void SetCaptionOffset(int offset);
  void SetFlatColor(gfx::Color color, int adjustment);
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool transparent);
  // The fill behind the caption of an opaque pane: the pane's colour while ParentFillColor.
  gfx::Color FillColor() const;
  void SetFillColor(gfx::Color color);  // turns ParentFillColor off
  void SetParentFillColor(bool parent);
  // Fits the width to the caption (DefaultWidth without one) whenever the caption changes.
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool autoSize);
  void SetDefaultWidth(int width);

  // Set by the status bar while the pane stands on it; null otherwise.
  void SetOwner(const StatusPaneOwner* owner) { m_owner = owner; }

  // The caption's rectangle, client pixels: inside the border width and the frame.
  virtual gfx::Rect TextRect() const;

  void Paint(gfx::Canvas& canvas) override;

 protected:
  const StatusPaneOwner* Owner() const { return m_owner; }
  void PaintFrame(gfx::Canvas& canvas) const;
  void PaintCaption(gfx::Canvas& canvas) const;
  void CaptionChanged() override { FitWidth(); }
  void FontChanged() override;
  void Loaded() override;

 private:
  void FitWidth();

  const StatusPaneOwner* m_owner = nullptr;
  ui::Alignment m_alignment = ui::Alignment::Left;
  TFrameStyle m_frameStyle = fsFlat;
  int m_borderWidth = 1;
  int m_captionOffset = 2;
  gfx::Color m_flatColor = gfx::clBtnShadow;
  int m_flatColorAdjustment = 30;
  bool m_transparent = true;
  gfx::Color m_fillColor = gfx::clBtnFace;
  bool m_parentFillColor = true;
  bool m_autoSize = false;
  int m_defaultWidth = kDefaultWidth;
};

// The pane whose caption the program writes. With AutoHint its caption follows the
// application's current hint.
class TUiStatusPane : public TUiCustomStatusPane {
 public:
  ~TUiStatusPane() override;
  bool AutoHint() const { return m_autoHint; }
  void SetAutoHint(bool autoHint);

 protected:
  void FormChanged() override;

 private:
  void Listen();
  void StopListening();

  bool m_autoHint = false;
  ui::Application* m_hintApp = nullptr;  // while listening
  int m_hintListener = 0;
};

// Pixels the caption keeps from the pane's border on each side, per frame style.
int StatusPaneTextInset(TFrameStyle style);

// A pane's frame on `rect` (inside its border width): for fsFlat four lines in `flatColor`
// that leave the corner pixels out, the frame kit's drawing for the other styles.
void DrawStatusPaneFrame(gfx::Canvas& canvas, const gfx::Rect& rect, TFrameStyle style,
                         gfx::Color flatColor);

// A caption on one line at its pane position in `text`, clipped to it: left-aligned
// captionOffset + 1 in from the left, right-aligned as far in from the right, centred in the
// middle; vertically centred on the height of "Pp". Disabled captions are embossed. The text
// colour is the canvas's.
void DrawStatusPaneCaption(gfx::Canvas& canvas, const gfx::Rect& text, std::string_view caption,
                           ui::Alignment alignment, int captionOffset, bool enabled);

}  // namespace orvanta::controls
