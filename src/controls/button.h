#pragma once

#include "controls/button_layout.h"
#include "controls/button_look.h"
#include "ui/control.h"
#include "ui/text_alignment.h"

namespace orvanta::controls {

// A push button that draws itself. With HotTrack on it has a two-tone face in its own colour
// inside a frame ring, an orange ring while the pointer is over it and a highlight ring while
// it is active; without HotTrack it is the classic raised button. It clicks on a left press
// released inside, on Space released, on Enter while it has the focus (or while it is the
// default button and the focus is on a control that is not a button), on Escape when it is
// the cancel button, and on its "&" access key.
class TUiCustomButton : public ui::Control {
 public:
  TUiCustomButton();

  gfx::Color FrameColor() const { return m_colors.Frame; }
  void SetFrameColor(gfx::Color color);
  bool HotTrack() const { return m_hotTrack; }
  void SetHotTrack(bool hotTrack);
  gfx::Color HotTrackColor() const { return m_colors.HotTrack; }
  void SetHotTrackColor(gfx::Color color);
  THotTrackColorType HotTrackColorType() const { return m_colors.HotTrackType; }
  void SetHotTrackColorType(THotTrackColorType type);
  gfx::Color HighlightColor() const { return m_colors.Highlight; }
  void SetHighlightColor(gfx::Color color);
  ui::Alignment GetAlignment() const { return m_alignment; }
  void SetAlignment(ui::Alignment alignment);
  ui::TextLayout AlignmentVertical() const { return m_alignmentVertical; }
  void SetAlignmentVertical(ui::TextLayout layout);
  bool ShowFocusRect() const { return m_showFocusRect; }
  void SetShowFocusRect(bool show);
  bool Default() const { return m_default; }
  void SetDefault(bool isDefault);
  bool Cancel() const { return m_cancel; }
  void SetCancel(bool cancel) { m_cancel = cancel; }
  // Copied to the form's modal result by every click; 0 leaves a modal form open.
  int ModalResult() const { return m_modalResult; }
  void SetModalResult(int result) { m_modalResult = result; }

  bool MouseOver() const { return m_mouseOver; }
  bool Pressed() const { return m_down; }
  bool Active() const;
  // The state the look is drawn from.
  ButtonState LookState() const;

  // Copies ModalResult to the form, then runs OnClick.
  void Click() override;
  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseUp(const ui::MouseEvent& e) override;
  void MouseEnter() override { SetMouseOver(true); }
  void MouseLeave() override { SetMouseOver(false); }
  void CaptureLost() override;
  void KeyDown(ui::KeyEvent& e) override;
  void KeyUp(ui::KeyEvent& e) override;
  bool DialogChar(const ui::CharEvent& e) override;
  bool DialogKey(const ui::KeyEvent& e) override;
  void FocusChanged(bool focused) override;
  void EnabledChanged() override { ResetInput(); }
  void VisibleChanged() override { ResetInput(); }

 private:
  void SetMouseOver(bool over);
  void SetDown(bool down);
  void ResetInput();
  void PaintHotTrack(gfx::Canvas& canvas, const ButtonRects& rects) const;
  void PaintClassic(gfx::Canvas& canvas) const;
  void PaintCaption(gfx::Canvas& canvas, const gfx::Rect& area) const;

  ButtonColors m_colors;
  bool m_hotTrack = false;
  ui::Alignment m_alignment = ui::Alignment::Center;
  ui::TextLayout m_alignmentVertical = ui::TextLayout::Center;
  bool m_showFocusRect = true;
  bool m_default = false;
  bool m_cancel = false;
  int m_modalResult = 0;

  bool m_mouseOver = false;
  bool m_down = false;       // shows the pressed look
  bool m_tracking = false;   // the left button went down on it and is held
  bool m_spaceHeld = false;  // Space went down while it had the focus
};

// The push button as the windows place it.
class TUiButton : public TUiCustomButton {};

}  // namespace orvanta::controls
