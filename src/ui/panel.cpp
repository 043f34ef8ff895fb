#include "ui/panel.h"

#include "ui/frame3d.h"

namespace orvanta::ui {

namespace {

void DrawBevel(gfx::Canvas& canvas, gfx::Rect& r, BevelCut cut, int width) {
  if (cut == BevelCut::Raised) {
    Frame3D(canvas, r, gfx::clBtnHighlight, gfx::clBtnShadow, width);
  } else if (cut == BevelCut::Lowered) {
    Frame3D(canvas, r, gfx::clBtnShadow, gfx::clBtnHighlight, width);
  }
}

}  // namespace

Panel::Panel() {
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void Panel::SetBevelOuter(BevelCut cut) {
  m_bevelOuter = cut;
  FrameChanged();
}

void Panel::SetBevelInner(BevelCut cut) {
  m_bevelInner = cut;
  FrameChanged();
}

void Panel::SetBevelWidth(int width) {
  m_bevelWidth = width > 0 ? width : 1;
  FrameChanged();
}

void Panel::SetBorderWidth(int width) {
  m_borderWidth = width > 0 ? width : 0;
  FrameChanged();
}

void Panel::SetAlignment(Alignment alignment) {
  m_alignment = alignment;
  Invalidate();
}

void Panel::FrameChanged() {
  Realign();
  Invalidate();
}

int Panel::FrameWidth() const {
  int width = m_borderWidth;
  if (m_bevelOuter != BevelCut::None) {
    width += m_bevelWidth;
  }
  if (m_bevelInner != BevelCut::None) {
    width += m_bevelWidth;
  }
  return width;
}

gfx::Rect Panel::AlignArea() const {
  const int w = FrameWidth();
  return ClientRect().Inflate(-w, -w);
}

void Panel::Paint(gfx::Canvas& canvas) {
  gfx::Rect r = ClientRect();
  DrawBevel(canvas, r, m_bevelOuter, m_bevelWidth);
  r = r.Inflate(-m_borderWidth, -m_borderWidth);
  DrawBevel(canvas, r, m_bevelInner, m_bevelWidth);
  canvas.FillRect(r, Color());
  if (Caption().empty()) {
    return;
  }
  unsigned flags = gfx::kDtSingleLine | gfx::kDtVCenter | gfx::kDtExpandTabs;
  flags |= m_alignment == Alignment::Right    ? gfx::kDtRight
           : m_alignment == Alignment::Center ? gfx::kDtCenter
                                              : gfx::kDtLeft;
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  canvas.DrawText(Caption(), r, flags);
}

}  // namespace orvanta::ui
