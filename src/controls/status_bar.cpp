#include "controls/status_bar.h"

#include <algorithm>
#include <cmath>

#include "controls/color_math.h"
#include "controls/color_sets.h"
#include "ui/form.h"

namespace orvanta::controls {

namespace {

bool SameBorders(const PanelStyle& a, const PanelStyle& b) {
  return a.BorderInner == b.BorderInner && a.BorderOuter == b.BorderOuter &&
         a.BorderSides == b.BorderSides;
}

}  // namespace

TUiStatusBar::TUiStatusBar() {
  m_look.BorderOuter = fsNone;
  m_look.BorderInner = fsNone;
  m_look.VisualStyle = vsWinXP;
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 200, kStandardHeight);
  m_lastWidth = Width();
  SetAlign(ui::Align::Bottom);
}

void TUiStatusBar::SetLook(const PanelStyle& look) {
  if (!SameBorders(look, m_look)) {
    m_autoStyle = false;
  }
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

void TUiStatusBar::Loaded() {
  if (!m_autoStyle) {
    return;
  }
  m_look.BorderInner = fsNone;
  m_look.BorderOuter = fsNone;
  m_look.BorderSides = TSides::All();
  m_look.BorderWidth = 0;
  SetSize(Width(), kStandardHeight);
  Realign();
  Invalidate();
}

void TUiStatusBar::ChildAdded(ui::Control& child) {
  if (auto* pane = dynamic_cast<TUiCustomStatusPane*>(&child)) {
    pane->SetOwner(this);
  }
  if (m_simpleStatus && child.Visible()) {
    m_hiddenBySimple.push_back(&child);
    child.Hide();
  }
}

void TUiStatusBar::ChildRemoved(ui::Control& child) {
  if (auto* pane = dynamic_cast<TUiCustomStatusPane*>(&child)) {
    pane->SetOwner(nullptr);
  }
  std::erase(m_hiddenBySimple, &child);
}

void TUiStatusBar::SetSimpleStatus(bool simple) {
  if (simple == m_simpleStatus) {
    return;
  }
  m_simpleStatus = simple;
  if (simple) {
    for (int i = 0; i < ChildCount(); ++i) {
      if (Child(i).Visible()) {
        m_hiddenBySimple.push_back(&Child(i));
      }
    }
    for (ui::Control* child : m_hiddenBySimple) {
      child->Hide();
    }
  } else {
    const std::vector<ui::Control*> hidden = std::move(m_hiddenBySimple);
    m_hiddenBySimple.clear();
    for (ui::Control* child : hidden) {
      child->Show();
    }
  }
  Invalidate();
}

void TUiStatusBar::SetSimpleCaption(std::string caption) {
  m_simpleCaption = std::move(caption);
  if (m_simpleStatus) {
    Invalidate();
  }
}

void TUiStatusBar::SetSimpleFrameStyle(TFrameStyle style) {
  m_simpleFrameStyle = IsFrameStyle(style) ? style : fsFlat;
  if (m_simpleStatus) {
    Invalidate();
  }
}

void TUiStatusBar::Resized() {
  const int previous = m_lastWidth;
  m_lastWidth = Width();
  if (!m_autoScalePanes || previous <= 0 || previous == Width()) {
    return;
  }
  // Each pane changes by its share of the change, rounded.
  const int change = Width() - previous;
  for (int i = 0; i < ChildCount(); ++i) {
    ui::Control& pane = Child(i);
    const double share = static_cast<double>(change) * pane.Width() / previous;
    pane.SetSize(pane.Width() + static_cast<int>(std::lround(share)), pane.Height());
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
  if (m_simpleStatus) {
    PaintSimpleCaption(canvas);
  }
  if (GripValid()) {
    PaintGrip(canvas);
  }
}

void TUiStatusBar::PaintGrip(gfx::Canvas& canvas) const {
  gfx::Color highlight = gfx::clBtnHighlight;
  gfx::Color shadow = gfx::clBtnShadow;
  if (m_look.VisualStyle == vsGradient) {
    const StatusColors colors = StatusColorSet(canvas.Palette());
    highlight = colors.Second;
    shadow = colors.Third;
  }
  const auto dots = GripDots();
  // Each dot: a highlight square with a shadow square one pixel up and left over it.
  for (const gfx::Point& p : dots) {
    canvas.FillRect(gfx::Rect::FromSize(p.X, p.Y, 2, 2), highlight);
  }
  for (const gfx::Point& p : dots) {
    canvas.FillRect(gfx::Rect::FromSize(p.X - 1, p.Y - 1, 2, 2), shadow);
  }
}

void TUiStatusBar::PaintSimpleCaption(gfx::Canvas& canvas) const {
  // Drawn as one default pane over the whole area inside the bar's borders.
  constexpr int kBorderWidth = 1;
  constexpr int kCaptionOffset = 2;
  const gfx::Rect area = AlignArea().Inflate(-kBorderWidth, -kBorderWidth);
  DrawStatusPaneFrame(
      canvas, area, m_simpleFrameStyle,
      AdjustFlatColor(m_look.FlatColor, m_look.FlatColorAdjustment, canvas.Palette()));
  const int inset = StatusPaneTextInset(m_simpleFrameStyle);
  DrawStatusPaneCaption(canvas, area.Inflate(-inset, -inset), m_simpleCaption, ui::Alignment::Left,
                        kCaptionOffset, EnabledInTree());
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
