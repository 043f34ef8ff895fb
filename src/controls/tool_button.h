#pragma once

#include "controls/tool_button_layout.h"
#include "controls/visual_style.h"
#include "ui/control.h"
#include "ui/image_list.h"

namespace orvanta::controls {

// What a tool button asks of the toolbar it stands on.
class ToolButtonOwner {
 public:
  // The glyphs of the buttons that have no image list of their own.
  virtual const ui::ImageList* ButtonImages() const = 0;
  // A button was shown or hidden: the buttons are placed again.
  virtual void ButtonVisibilityChanged() = 0;

 protected:
  ~ToolButtonOwner() = default;
};

// A captioned toolbar button: a glyph from an image list and a caption with an "&" access
// key. Flat: the face shows only while the mouse is over it or it is pressed; otherwise the
// toolbar shows through. Clicks come from the left button released inside, from the access
// key, and from Enter or Space while it holds the keyboard focus (it takes the focus only when
// asked to, never by a click or Tab).
class TUiToolButton : public ui::Control {
 public:
  TUiToolButton();

  // The glyph list; null takes the toolbar's (not owned).
  void SetImages(const ui::ImageList* images);
  void SetImageIndex(int index);
  TButtonLayout Layout() const { return m_layout; }
  void SetLayout(TButtonLayout layout);
  void SetShowCaption(bool show);
  void SetVisualStyle(TUiVisualStyle style);

  bool MouseOver() const { return m_mouseOver; }
  bool Pressed() const { return m_down; }

  // The image list in use: the button's own, else its toolbar's.
  const ui::ImageList* GlyphList() const;
  // Set by the toolbar while the button stands on it; null otherwise.
  void SetOwner(ToolButtonOwner* owner) { m_owner = owner; }
  // Where the glyph and the caption go, client pixels, measured with the button's font.
  ToolButtonPlacement Placement(gfx::Canvas& canvas) const;

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseUp(const ui::MouseEvent& e) override;
  void MouseEnter() override { SetMouseOver(true); }
  void MouseLeave() override { SetMouseOver(false); }
  void CaptureLost() override;
  void KeyDown(ui::KeyEvent& e) override;
  bool DialogChar(const ui::CharEvent& e) override;
  void VisibleChanged() override;
  void EnabledChanged() override;

 private:
  void SetMouseOver(bool over);
  void SetDown(bool down);
  void PaintFace(gfx::Canvas& canvas) const;

  ToolButtonOwner* m_owner = nullptr;
  const ui::ImageList* m_images = nullptr;
  int m_imageIndex = -1;
  TButtonLayout m_layout = blGlyphLeft;
  bool m_showCaption = true;
  TUiVisualStyle m_visualStyle = vsGradient;
  bool m_mouseOver = false;
  bool m_down = false;
  bool m_dragging = false;
};

}  // namespace orvanta::controls
