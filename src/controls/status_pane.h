#pragma once

#include "controls/blinking_control.h"
#include "controls/frame_style.h"
#include "ui/control.h"
#include "ui/text_alignment.h"

namespace orvanta::controls {

// A framed caption pane of a status bar: a flat frame with its corner pixels left out, then
// the caption on one line, clipped to the frame. Transparent by default, so the bar's
// background shows behind the text. The caption may blink on the shared blink timer.
class TUiCustomStatusPane : public ui::Control, public BlinkingControl {
 public:
  TUiCustomStatusPane();

  void SetAlignment(ui::Alignment alignment);
  void SetFrameStyle(TFrameStyle style);
  int BorderWidth() const { return m_borderWidth; }
  void SetBorderWidth(int width);
  void SetCaptionOffset(int offset);
  void SetFlatColor(gfx::Color color, int adjustment);
  void SetTransparent(bool transparent);

  // The caption's rectangle, client pixels: inside the border width and the frame.
  virtual gfx::Rect TextRect() const;

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void PaintFrame(gfx::Canvas& canvas) const;
  void PaintCaption(gfx::Canvas& canvas) const;

 private:
  ui::Alignment m_alignment = ui::Alignment::Left;
  TFrameStyle m_frameStyle = fsFlat;
  int m_borderWidth = 1;
  int m_captionOffset = 2;
  gfx::Color m_flatColor = gfx::clBtnShadow;
  int m_flatColorAdjustment = 30;
  bool m_transparent = true;
};

// The pane whose caption the program writes.
class TUiStatusPane : public TUiCustomStatusPane {};

// Pixels the caption keeps from the pane's border on each side, per frame style.
int StatusPaneTextInset(TFrameStyle style);

}  // namespace orvanta::controls
