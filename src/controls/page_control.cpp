#include "controls/page_control.h"

#include <algorithm>

#include "controls/color_math.h"
#include "controls/color_ramp.h"
#include "controls/page_control_layout.h"
#include "gfx/region.h"

namespace orvanta::controls {

namespace {

constexpr int kHotBarHeight = 6;  // rows of the bar along a tab's top, outline-free fill: 5
constexpr int kShadowInnerWeight = 30;
constexpr int kShadowOuterWeight = 15;

}  // namespace

TUiPageControl::TUiPageControl() {
  SetStyle(ui::kCsAcceptsFocus);
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
}

template <class T>
void TUiPageControl::ChangeLook(T& property, const T& value) {
  if (!(property == value)) {
    property = value;
    Invalidate();
  }
}

void TUiPageControl::SetBackgroundColor(gfx::Color color) {
  ChangeLook(m_backgroundColor, color);
}

void TUiPageControl::SetTabColors(const TUiTabColors& colors) {
  ChangeLook(m_tabColors, colors);
}

void TUiPageControl::SetTextColors(const TUiTextColors& colors) {
  ChangeLook(m_textColors, colors);
}

void TUiPageControl::SetHotTrack(bool hotTrack) {
  ChangeLook(m_hotTrack, hotTrack);
  if (!hotTrack) {
    SetHotTab(-1);
  }
}

void TUiPageControl::SetHotTrackColor(gfx::Color color) {
  ChangeLook(m_hotTrackColor, color);
}

void TUiPageControl::SetUseGradients(bool useGradients) {
  ChangeLook(m_useGradients, useGradients);
}

void TUiPageControl::SetShowFocusRect(bool show) {
  ChangeLook(m_showFocusRect, show);
}

void TUiPageControl::SetFlatColor(gfx::Color color) {
  ChangeLook(m_flatColor, color);
}

TUiTabSheet& TUiPageControl::AddPage(std::string caption) {
  TUiTabSheet& page = Add<TUiTabSheet>();
  page.SetCaption(std::move(caption));
  return page;
}

void TUiPageControl::ChildAdded(ui::Control& child) {
  auto* page = dynamic_cast<TUiTabSheet*>(&child);
  if (page == nullptr) {
    return;
  }
  m_pages.push_back(page);
  page->SetOwner(this);
  if (m_tabIndex < 0) {
    m_tabIndex = PageCount() - 1;
    page->Show();
  } else {
    page->Hide();
  }
  UpdateTabs();
}

void TUiPageControl::ChildRemoved(ui::Control& child) {
  const auto it = std::find(m_pages.begin(), m_pages.end(), &child);
  if (it == m_pages.end()) {
    return;
  }
  const int removed = static_cast<int>(it - m_pages.begin());
  (*it)->SetOwner(nullptr);
  m_pages.erase(it);
  m_hotTab = -1;
  if (removed < m_tabIndex) {
    --m_tabIndex;  // the same page stays selected
  } else if (removed == m_tabIndex) {
    Select(std::min(removed, PageCount() - 1));
  }
  UpdateTabs();
}

TUiTabSheet* TUiPageControl::ActivePage() const {
  return m_tabIndex >= 0 && m_tabIndex < PageCount() ? &Page(m_tabIndex) : nullptr;
}

void TUiPageControl::SetTabIndex(int index) {
  if (index < 0 || index >= PageCount()) {
    index = -1;
  }
  if (index != m_tabIndex) {
    Select(index);
  }
}

void TUiPageControl::Select(int index) {
  m_tabIndex = index;
  // The new page shows before the old one hides, so the focus can stay on the control.
  if (TUiTabSheet* page = ActivePage()) {
    page->Show();
  }
  for (int i = 0; i < PageCount(); ++i) {
    if (i != m_tabIndex) {
      Page(i).Hide();
    }
  }
  Invalidate();
  if (OnChange) {
    OnChange();
  }
}

int TUiPageControl::StripHeight() const {
  return TabStripHeight(m_rowHeight);
}

gfx::Rect TUiPageControl::TabRect(int index) const {
  return index >= 0 && index < static_cast<int>(m_tabs.size())
             ? m_tabs[static_cast<std::size_t>(index)]
             : gfx::Rect{};
}

int TUiPageControl::TabAt(gfx::Point p) const {
  // The selected tab lies on top of its neighbours.
  auto hit = [&](int i) {
    const auto shape = TabShape(DrawnTabRect(TabRect(i), StateOf(i)));
    return gfx::Region::FromPolygon(shape).Contains(p);
  };
  if (m_tabIndex >= 0 && hit(m_tabIndex)) {
    return m_tabIndex;
  }
  for (int i = 0; i < static_cast<int>(m_tabs.size()); ++i) {
    if (Page(i).TabVisible() && hit(i)) {
      return i;
    }
  }
  return -1;
}

gfx::Rect TUiPageControl::PageRect() const {
  return PageArea({Width(), Height()}, StripHeight());
}

void TUiPageControl::UpdateTabs() {
  std::vector<gfx::Size> sizes;
  if (gfx::Canvas* canvas = MeasuringCanvas()) {
    const gfx::Size minimum{canvas->TextExtent("AAA").Width, Font().Height};
    for (const TUiTabSheet* page : m_pages) {
      gfx::Rect text{0, 0, 0, 0};
      if (!page->Caption().empty()) {
        canvas->DrawText(page->Caption(), text, gfx::kDtSingleLine | gfx::kDtCalcRect);
      }
      sizes.push_back(TabSize({text.Width(), text.Height()}, minimum));
    }
  } else {
    sizes.assign(m_pages.size(), {0, m_rowHeight});
  }
  int row = 0;
  for (const gfx::Size& size : sizes) {
    row = std::max(row, size.Height);
  }
  if (row > 0) {
    m_rowHeight = row;
  }
  m_tabs = TabRects(sizes, m_rowHeight, Width());
  const gfx::Rect area = PageRect();
  for (TUiTabSheet* page : m_pages) {
    page->SetBounds(area);
  }
  Invalidate();
}

bool TUiPageControl::Selectable(int index) const {
  return index >= 0 && index < PageCount() && Page(index).TabVisible() && Page(index).TabEnabled();
}

int TUiPageControl::NextSelectable(int from, int step) const {
  const int n = PageCount();
  for (int k = 1; k <= n; ++k) {
    const int i = ((from + step * k) % n + n) % n;
    if (Selectable(i)) {
      return i;
    }
  }
  return from;
}

void TUiPageControl::MouseDown(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left) {
    return;
  }
  const int tab = TabAt(e.Position);
  if (!Selectable(tab)) {
    return;
  }
  if (tab == m_tabIndex) {
    SetFocus();
  } else {
    SetTabIndex(tab);
  }
}

void TUiPageControl::MouseMove(const ui::MouseEvent& e) {
  SetHotTab(m_hotTrack ? TabAt(e.Position) : -1);
}

void TUiPageControl::KeyDown(ui::KeyEvent& e) {
  const int n = PageCount();
  if (n == 0) {
    return;
  }
  int target = -1;
  switch (e.Key) {
    case ui::kVkRight:
    case ui::kVkDown:
      target = NextSelectable(m_tabIndex, 1);
      break;
    case ui::kVkLeft:
    case ui::kVkUp:
      target = NextSelectable(m_tabIndex < 0 ? 0 : m_tabIndex, -1);
      break;
    case ui::kVkHome:
      target = NextSelectable(n - 1, 1);
      break;
    case ui::kVkEnd:
      target = NextSelectable(0, -1);
      break;
    default:
      return;
  }
  e.Handled = true;
  SetTabIndex(target);
}

void TUiPageControl::SetHotTab(int index) {
  if (index != m_hotTab) {
    m_hotTab = index;
    InvalidateStrip();
  }
}

void TUiPageControl::InvalidateStrip() {
  Invalidate({0, 0, Width(), StripHeight() + 1});
}

void TUiPageControl::Paint(gfx::Canvas& canvas) {
  canvas.FillRect(ClientRect(), m_backgroundColor);
  for (int i = static_cast<int>(m_tabs.size()) - 1; i >= 0; --i) {
    if (i != m_tabIndex && Page(i).TabVisible()) {
      PaintTab(canvas, i);
    }
  }
  if (m_tabIndex >= 0 && m_tabIndex < static_cast<int>(m_tabs.size())) {
    PaintTab(canvas, m_tabIndex);
  }
  PaintCard(canvas);
}

void TUiPageControl::PaintTab(gfx::Canvas& canvas, int index) {
  const bool selected = index == m_tabIndex;
  const gfx::Rect drawn = DrawnTabRect(TabRect(index), StateOf(index));
  const auto shape = TabShape(drawn);
  const gfx::Color outline = AdjustFlatColor(m_flatColor, 0, canvas.Palette());
  {
    gfx::CanvasStateSaver saver(canvas);
    canvas.IntersectClipRegion(gfx::Region::FromPolygon(shape));
    if (selected) {
      canvas.FillRect(drawn, Color());
    } else if (m_useGradients) {
      FillVerticalRamp(canvas, drawn, m_tabColors.Unselected, m_tabColors.Shadow);
    } else {
      canvas.FillRect(drawn, m_tabColors.Unselected);
    }
    const bool hot = m_hotTrack && index == m_hotTab;
    gfx::Color textColor = m_textColors.Unselected;
    if (hot || selected) {
      textColor = m_textColors.Selected;
      const gfx::Rect bar = drawn.Inflate(1, 1);
      canvas.FillRect({bar.Left, bar.Top, bar.Right, bar.Top + kHotBarHeight - 1},
                      hot ? m_hotTrackColor : m_tabColors.HighlightBar);
    }
    gfx::Rect text = drawn.Inflate(-5, -3);
    const unsigned flags = gfx::kDtCenter | gfx::kDtTop | gfx::kDtSingleLine;
    canvas.SetBkMode(gfx::BackgroundMode::Transparent);
    if (!Page(index).TabEnabled()) {
      gfx::Rect shadow = text.Offset(1, 1);
      canvas.SetTextColor(m_textColors.DisabledHighlight);
      canvas.DrawText(Page(index).Caption(), shadow, flags);
      textColor = m_textColors.DisabledShadow;
    }
    canvas.SetTextColor(textColor);
    canvas.DrawText(Page(index).Caption(), text, flags);
    if (selected && m_showFocusRect && Focused()) {
      canvas.DrawFocusRect({text.Left - 1, text.Top + 1, text.Right + 1, text.Bottom + 1});
    }
  }
  // The outline's right side is the last column the tab fills; its bottom is the card's top.
  const gfx::Point path[] = {{drawn.Left, drawn.Bottom},       {drawn.Left, drawn.Top + 2},
                             {drawn.Left + 2, drawn.Top},      {drawn.Right - 3, drawn.Top},
                             {drawn.Right - 1, drawn.Top + 2}, {drawn.Right - 1, drawn.Bottom}};
  canvas.SetPen({outline, 1, gfx::PenStyle::Solid});
  canvas.Polyline(path);
}

void TUiPageControl::PaintCard(gfx::Canvas& canvas) {
  const gfx::Size size{Width(), Height()};
  const gfx::Rect card = CardRect(size, StripHeight());
  if (card.IsEmpty()) {
    return;
  }
  canvas.FillRect(card, Color());
  const gfx::Color outline = AdjustFlatColor(m_flatColor, 0, canvas.Palette());
  const int right = size.Width - 3;
  const int bottom = size.Height - 3;
  const int top = card.Top;
  auto line = [&](int x1, int y1, int x2, int y2) {
    canvas.FillRect({x1, y1, x2 + 1, y2 + 1}, outline);
  };
  line(0, top, 0, bottom);
  line(right, top, right, bottom);
  line(0, bottom, right, bottom);
  // The top is open under the selected tab, so tab and card make one shape.
  if (m_tabIndex >= 0 && m_tabIndex < static_cast<int>(m_tabs.size())) {
    const gfx::Rect sel = DrawnTabRect(TabRect(m_tabIndex), TabState::Selected);
    line(0, top, std::max(sel.Left, 0), top);
    line(std::min(sel.Right - 1, right), top, right, top);
  } else {
    line(0, top, right, top);
  }
  // The shadow darkens what lies behind the control.
  const gfx::Color behind = Parent() != nullptr ? Parent()->Color() : gfx::clWindow;
  const gfx::Color inner = MixColors(gfx::clBlack, behind, kShadowInnerWeight, canvas.Palette());
  const gfx::Color outer = MixColors(gfx::clBlack, behind, kShadowOuterWeight, canvas.Palette());
  canvas.FillRect({size.Width - 2, top + 1, size.Width - 1, size.Height - 1}, inner);
  canvas.FillRect({1, size.Height - 2, size.Width - 1, size.Height - 1}, inner);
  canvas.FillRect({size.Width - 1, top, size.Width, size.Height}, outer);
  canvas.FillRect({0, size.Height - 1, size.Width, size.Height}, outer);
}

}  // namespace orvanta::controls
