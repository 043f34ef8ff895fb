#include "controls/button.h"

#include <algorithm>
#include <array>

#include "controls/color_ramp.h"
#include "controls/frame_drawing.h"
#include "ui/access_key.h"
#include "ui/form.h"

namespace orvanta::controls {

namespace {

constexpr int kOuterRingCornerCut = 2;
constexpr int kFrameCornerCut = 1;
constexpr int kFaceBottomRows = 2;
constexpr int kFaceRingWidth = 2;

// Indexed by ui::Alignment: Left, Right, Center.
constexpr std::array<unsigned, 3> kAlignmentFlags = {gfx::kDtLeft, gfx::kDtRight, gfx::kDtCenter};

// The default buttons of a window show whether the focus sits on another button, so they
// repaint whenever a button gains or loses the focus.
void InvalidateDefaultButtons(ui::Control& control) {
  if (auto* button = dynamic_cast<TUiCustomButton*>(&control);
      button != nullptr && button->Default()) {
    button->Invalidate();
  }
  for (int i = 0; i < control.ChildCount(); ++i) {
    InvalidateDefaultButtons(control.Child(i));
  }
}

}  // namespace

TUiCustomButton::TUiCustomButton() {
  SetStyle(ui::kCsAcceptsFocus);
  SetTabStop(true);
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 75, 25);
}

void TUiCustomButton::SetFrameColor(gfx::Color color) {
  m_colors.Frame = color;
  Invalidate();
}

void TUiCustomButton::SetHotTrack(bool hotTrack) {
  m_hotTrack = hotTrack;
  Invalidate();
}

void TUiCustomButton::SetHotTrackColor(gfx::Color color) {
  m_colors.HotTrack = color;
  Invalidate();
}

void TUiCustomButton::SetHotTrackColorType(THotTrackColorType type) {
  m_colors.HotTrackType = type;
  Invalidate();
}

void TUiCustomButton::SetHighlightColor(gfx::Color color) {
  m_colors.Highlight = color;
  Invalidate();
}

void TUiCustomButton::SetAlignment(ui::Alignment alignment) {
  m_alignment = alignment;
  Invalidate();
}

void TUiCustomButton::SetAlignmentVertical(ui::TextLayout layout) {
  m_alignmentVertical = layout;
  Invalidate();
}

void TUiCustomButton::SetShowFocusRect(bool show) {
  m_showFocusRect = show;
  Invalidate();
}

void TUiCustomButton::SetDefault(bool isDefault) {
  m_default = isDefault;
  Invalidate();
}

bool TUiCustomButton::Active() const {
  const ui::Form* form = GetForm();
  if (form == nullptr) {
    return false;
  }
  const ui::Control* focus = form->ActiveControl();
  return focus == this || (m_default && dynamic_cast<const TUiCustomButton*>(focus) == nullptr);
}

ButtonState TUiCustomButton::LookState() const {
  return {EnabledInTree(), m_down, m_mouseOver, Active()};
}

void TUiCustomButton::Click() {
  if (ui::Form* form = GetForm()) {
    form->SetModalResult(m_modalResult);
  }
  ui::Control::Click();
}

// ---- painting ----------------------------------------------------------------------------

void TUiCustomButton::Paint(gfx::Canvas& canvas) {
  // The rings' corner pixels would land outside a button smaller than its rings.
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(ClientRect());
  const ButtonRects rects = PlaceButton(ClientRect());
  if (m_hotTrack) {
    PaintHotTrack(canvas, rects);
  } else {
    PaintClassic(canvas);
  }
  PaintCaption(canvas, rects.Caption);
  if (m_showFocusRect && Focused()) {
    for (const gfx::Point& dot : FocusBorderDots(rects.Caption)) {
      canvas.SetPixel(dot.X, dot.Y, gfx::clBlack);
    }
  }
}

void TUiCustomButton::PaintHotTrack(gfx::Canvas& canvas, const ButtonRects& rects) const {
  ButtonColors colors = m_colors;
  colors.Face = Color();
  const HotTrackLook look = ButtonHotTrackLook(colors, LookState(), canvas.Palette());
  const gfx::Rect client = ClientRect();
  if (look.OuterRing) {
    const auto [upperLeft, lowerRight] = *look.OuterRing;
    const std::array<gfx::Rect, 4> lines = CornerlessRing(client, kOuterRingCornerCut);
    canvas.FillRect(lines[0], upperLeft);
    canvas.FillRect(lines[1], upperLeft);
    canvas.FillRect(lines[2], lowerRight);
    canvas.FillRect(lines[3], lowerRight);
    // The rounded corners.
    canvas.SetPixel(client.Left + 1, client.Top + 1, upperLeft);
    canvas.SetPixel(client.Right - 2, client.Top + 1, upperLeft);
    canvas.SetPixel(client.Left + 1, client.Bottom - 2, upperLeft);
    canvas.SetPixel(client.Right - 2, client.Bottom - 2, lowerRight);
  }
  for (const gfx::Rect& line : CornerlessRing(rects.Frame, kFrameCornerCut)) {
    canvas.FillRect(line, look.Frame);
  }
  const gfx::Rect& face = rects.Face;
  gfx::Rect upper = face;
  if (look.BottomRows) {
    upper.Bottom = std::max(face.Top, face.Bottom - kFaceBottomRows);
    const gfx::Rect last{face.Left, face.Bottom - 1, face.Right, face.Bottom};
    canvas.FillRect(last.Offset(0, -1).Intersect(face), look.BottomRows->SecondToLast);
    canvas.FillRect(last.Intersect(face), look.BottomRows->Last);
  }
  FillVerticalRamp(canvas, upper, look.Face.Start, look.Face.Stop);
  if (look.Ring) {
    // One ramp over the whole face, seen only through the ring.
    for (const gfx::Rect& strip : InnerRingStrips(face, kFaceRingWidth)) {
      gfx::CanvasStateSaver saver(canvas);
      canvas.IntersectClipRect(strip);
      FillVerticalRamp(canvas, face, look.Ring->Start, look.Ring->Stop);
    }
  }
}

void TUiCustomButton::PaintClassic(gfx::Canvas& canvas) const {
  gfx::Rect r = ClientRect();
  if (Active() && EnabledInTree()) {
    r = DrawFrameSides(canvas, r, fsFlat, TSides::All(), gfx::clWindowFrame);
  }
  r = DrawFrameSides(canvas, r, m_down ? fsButtonDown : fsButtonUp, TSides::All());
  canvas.FillRect(r, Color());
}

void TUiCustomButton::PaintCaption(gfx::Canvas& canvas, const gfx::Rect& area) const {
  if (Caption().empty() || area.IsEmpty()) {
    return;
  }
  const unsigned flags = gfx::kDtWordBreak | kAlignmentFlags[static_cast<int>(m_alignment)];
  gfx::Rect measured{area.Left, area.Top, area.Right, area.Top};
  canvas.DrawText(Caption(), measured, flags | gfx::kDtCalcRect);
  const int top = CaptionTop(area, measured.Height(), m_alignmentVertical);
  gfx::Rect text{area.Left, top, area.Right, top + measured.Height()};
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  if (!EnabledInTree()) {
    canvas.SetTextColor(gfx::clGrayText);
  }
  canvas.DrawText(Caption(), text, flags);
}

// ---- input -------------------------------------------------------------------------------

void TUiCustomButton::SetMouseOver(bool over) {
  if (m_mouseOver != over) {
    m_mouseOver = over;
    Invalidate(PlaceButton(ClientRect()).Face);
  }
}

void TUiCustomButton::SetDown(bool down) {
  if (m_down != down) {
    m_down = down;
    Invalidate();
  }
}

void TUiCustomButton::ResetInput() {
  if (m_tracking) {
    ReleaseMouseCapture();
  }
  m_tracking = false;
  m_spaceHeld = false;
  m_mouseOver = m_mouseOver && Visible() && Enabled();
  SetDown(false);
  Invalidate();
}

void TUiCustomButton::MouseDown(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left || !EnabledInTree()) {
    return;
  }
  // Only a button that took the focus shows itself pressed (a focus handler may refuse).
  SetFocus();
  const ui::Form* form = GetForm();
  if (form == nullptr || form->ActiveControl() != this) {
    return;
  }
  m_tracking = true;
  SetMouseCapture();
  SetDown(true);
}

void TUiCustomButton::MouseMove(const ui::MouseEvent& e) {
  if (m_tracking) {
    SetDown(ClientRect().Contains(e.Position) || m_spaceHeld);
  }
}

void TUiCustomButton::MouseUp(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left || !m_tracking) {
    return;
  }
  m_tracking = false;
  ReleaseMouseCapture();
  SetDown(m_spaceHeld);
  if (ClientRect().Contains(e.Position) && EnabledInTree()) {
    Click();
  }
}

void TUiCustomButton::CaptureLost() {
  m_tracking = false;
  SetDown(m_spaceHeld);
}

void TUiCustomButton::KeyDown(ui::KeyEvent& e) {
  if (!EnabledInTree()) {
    return;
  }
  if (e.Key == ui::kVkSpace) {
    e.Handled = true;
    m_spaceHeld = true;
    SetDown(true);
  } else if (e.Key == ui::kVkReturn) {
    e.Handled = true;
    Click();
  }
}

void TUiCustomButton::KeyUp(ui::KeyEvent& e) {
  if (e.Key != ui::kVkSpace || !m_spaceHeld) {
    return;
  }
  e.Handled = true;
  m_spaceHeld = false;
  SetDown(m_tracking);
  if (EnabledInTree()) {
    Click();
  }
}

bool TUiCustomButton::DialogChar(const ui::CharEvent& e) {
  if (!ui::IsAccessKey(e.Char, Caption()) || !EnabledInTree() || !Showing()) {
    return false;
  }
  Click();
  return true;
}

bool TUiCustomButton::DialogKey(const ui::KeyEvent& e) {
  const bool takes =
      (e.Key == ui::kVkReturn && m_default && Active()) || (e.Key == ui::kVkEscape && m_cancel);
  if (!takes || !EnabledInTree() || !Showing()) {
    return false;
  }
  Click();
  return true;
}

void TUiCustomButton::FocusChanged(bool focused) {
  if (!focused) {
    m_spaceHeld = false;
    SetDown(m_tracking);
  }
  Invalidate();
  if (ui::Form* form = GetForm()) {
    InvalidateDefaultButtons(*form);
  }
}

}  // namespace orvanta::controls
