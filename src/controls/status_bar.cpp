#include "controls/status_bar.h"

#include "ui/form.h"

namespace orvanta::controls {

TUiStatusBar::TUiStatusBar() {
  m_look.BorderOuter = fsNone;
  m_look.BorderInner = fsNone;
  m_look.VisualStyle = vsClassic;
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 200, 19);
  SetAlign(ui::Align::Bottom);
}

void TUiStatusBar::SetLook(const PanelStyle& look) {
  m_look = look;
  Realign();
  Invalidate();
}

void TUiStatusBar::SetShowSizeGrip(bool show) {
  if (show != m_showSizeGrip) {
    m_showSizeGrip = show;
    Invalidate();
  }
}

bool TUiStatusBar::GripValid() const {
  const ui::Form* form = GetForm();
  return m_showSizeGrip && form != nullptr && form->GetBorderStyle() == ui::BorderStyle::Sizeable &&
         !form->IsMaximized();
}

std::array<gfx::Point, 6> TUiStatusBar::GripDots() const {
  const int r = Width();
  const int b = Height() - 1;
  return {{{r - 5, b - 12},
           {r - 5, b - 8},
           {r - 5, b - 4},
           {r - 9, b - 8},
           {r - 9, b - 4},
           {r - 13, b - 4}}};
}

gfx::Rect TUiStatusBar::AlignArea() const {
  return PanelInnerRect(ClientRect(), m_look);
}

void TUiStatusBar::Paint(gfx::Canvas& canvas) {
  PanelStyle style = m_look;
  style.Color = Color();
  DrawPanelFrameAndBackground(canvas, ClientRect(), style);
  if (!GripValid()) {
    return;
  }
  const auto dots = GripDots();
  // Each dot: a highlight square with a shadow square one pixel up and left over it.
  for (const gfx::Point& p : dots) {
    canvas.FillRect(gfx::Rect::FromSize(p.X, p.Y, 2, 2), gfx::clBtnHighlight);
  }
  for (const gfx::Point& p : dots) {
    canvas.FillRect(gfx::Rect::FromSize(p.X - 1, p.Y - 1, 2, 2), gfx::clBtnShadow);
  }
}

bool TUiStatusBar::InGrip(gfx::Point p) const {
  return p.X >= Width() - kGripHotWidth && ClientRect().Contains(p) && GripValid();
}

void TUiStatusBar::MouseDown(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left || !InGrip(e.Position)) {
    return;
  }
  ReleaseMouseCapture();
  if (ui::Form* form = GetForm()) {
    form->BeginSizeFromBottomRight();
  }
}

ui::CursorKind TUiStatusBar::CursorAt(gfx::Point p) const {
  return InGrip(p) ? ui::CursorKind::SizeNWSE : Cursor();
}

}  // namespace orvanta::controls
