#include "controls/page_control.h"

#include <algorithm>

#include "controls/page_control_layout.h"
#include "gfx/region.h"
#include "ui/application.h"
#include "ui/form.h"

namespace orvanta::controls {

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

gfx::Color TUiPageControl::BackgroundColor() const {
  if (m_parentBackgroundColor && Parent() != nullptr) {
    return Parent()->Color();
  }
  return m_backgroundColor;
}

void TUiPageControl::SetBackgroundColor(gfx::Color color) {
  ChangeLook(m_parentBackgroundColor, false);
  ChangeLook(m_backgroundColor, color);
}

void TUiPageControl::SetParentBackgroundColor(bool parent) {
  ChangeLook(m_parentBackgroundColor, parent);
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

void TUiPageControl::SetHotTrackColorType(THotTrackColorType type) {
  ChangeLook(m_hotTrackColorType, type);
}

void TUiPageControl::SetUseGradients(bool useGradients) {
  ChangeLook(m_useGradients, useGradients);
}

void TUiPageControl::SetShowFocusRect(bool show) {
  ChangeLook(m_showFocusRect, show);
}

void TUiPageControl::SetFlatColor(gfx::Color color, int adjustment) {
  ChangeLook(m_flatColor, color);
  ChangeLook(m_flatColorAdjustment, adjustment);
}

void TUiPageControl::SetShowCardFrame(bool show) {
  ChangeLook(m_showCardFrame, show);
}

void TUiPageControl::SetShowShadow(bool show) {
  if (show != m_showShadow) {
    m_showShadow = show;
    UpdateTabs();  // the pages grow into the shadow's room
  }
}

void TUiPageControl::SetTextAlignment(ui::Alignment alignment) {
  ChangeLook(m_textAlignment, alignment);
}

void TUiPageControl::SetTextAlignmentVertical(ui::TextLayout layout) {
  ChangeLook(m_textLayout, layout);
}

void TUiPageControl::SetBoldCurrentTab(bool bold) {
  if (bold != m_boldCurrentTab) {
    m_boldCurrentTab = bold;
    UpdateTabs();
  }
}

void TUiPageControl::SetTabHeight(int height) {
  m_tabHeight = std::max(height, 0);
  UpdateTabs();
}

void TUiPageControl::SetTabWidth(int width) {
  m_tabWidth = std::max(width, 0);
  UpdateTabs();
}

void TUiPageControl::SetTabOverlap(int overlap) {
  m_tabOverlap = overlap;
  UpdateTabs();
}

void TUiPageControl::SetMargin(int margin) {
  m_margin = margin;
  UpdateTabs();
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

void TUiPageControl::SetActivePage(TUiTabSheet* page) {
  const auto it = std::find(m_pages.begin(), m_pages.end(), page);
  SetTabIndex(it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin()));
}

void TUiPageControl::SetTabIndex(int index) {
  if (index < 0 || index >= PageCount()) {
    index = -1;
  }
  ChangeTo(index);
}

bool TUiPageControl::ChangeTo(int index) {
  if (index == m_tabIndex) {
    return true;
  }
  bool allow = true;
  if (OnChanging) {
    OnChanging(allow);
  }
  if (allow) {
    Select(index);
  }
  return allow;
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

void TUiPageControl::SelectNextPage(ui::TabDirection direction) {
  if (PageCount() == 0) {
    return;
  }
  const int step = direction == ui::TabDirection::Forward ? 1 : -1;
  const int from = m_tabIndex >= 0 ? m_tabIndex : (step > 0 ? PageCount() - 1 : 0);
  ChangeTo(NextSelectable(from, step));
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
  if (m_tabIndex >= 0 && m_tabIndex < PageCount() && Page(m_tabIndex).TabVisible() &&
      hit(m_tabIndex)) {
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
  const gfx::Size size{Width(), Height()};
  if (m_showShadow) {
    return PageArea(size, StripHeight());
  }
  return {1, StripHeight() + 1, std::max(size.Width - 1, 1), std::max(size.Height - 1, 1)};
}

std::vector<gfx::Size> TUiPageControl::MeasureTabs() const {
  gfx::Canvas* canvas = MeasuringCanvas();
  if (canvas == nullptr) {
    return std::vector<gfx::Size>(m_pages.size(), gfx::Size{0, m_rowHeight});
  }
  gfx::Font font = Font();
  font.Bold = font.Bold || m_boldCurrentTab;
  canvas->SetFont(font);
  const gfx::Size minimum{canvas->TextExtent("AAA").Width, font.Height};
  std::vector<gfx::Size> sizes;
  for (const TUiTabSheet* page : m_pages) {
    gfx::Rect text{0, 0, 0, 0};
    if (!page->Caption().empty()) {
      canvas->DrawText(page->Caption(), text, gfx::kDtCalcRect);
    }
    gfx::Size size = TabSize({text.Width(), text.Height()}, minimum);
    if (m_tabWidth > 0) {
      size.Width = m_tabWidth;
    }
    sizes.push_back(size);
  }
  return sizes;
}

void TUiPageControl::UpdateTabs() {
  const std::vector<gfx::Size> sizes = MeasureTabs();
  // Only visible tabs take room in the row; the others keep an empty rectangle.
  std::vector<gfx::Size> shown;
  int row = 0;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (m_pages[i]->TabVisible()) {
      shown.push_back(sizes[i]);
      row = std::max(row, sizes[i].Height);
    }
  }
  if (m_tabHeight > 0) {
    row = m_tabHeight;
  }
  if (row > 0) {
    m_rowHeight = row;
  }
  const std::vector<gfx::Rect> placed =
      TabRects(shown, m_rowHeight, Width(), m_margin, m_tabOverlap);
  m_tabs.assign(m_pages.size(), gfx::Rect{});
  for (std::size_t i = 0, next = 0; i < m_pages.size(); ++i) {
    if (m_pages[i]->TabVisible()) {
      m_tabs[i] = placed[next++];
    }
  }
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
  // The control takes the focus as the keyboard way leaves it there: a click that hides the
  // page holding the focus would otherwise leave no control with it.
  ChangeTo(tab);
  SetFocus();
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
  ChangeTo(target);
}

bool TUiPageControl::DialogKey(const ui::KeyEvent& e) {
  if (e.Key != ui::kVkTab || !ui::HasShift(e.Shift, ui::kShiftCtrl)) {
    return false;
  }
  ui::Form* form = GetForm();
  ui::Control* focus = form != nullptr ? form->ActiveControl() : nullptr;
  if (focus == nullptr || !IsAncestorOf(*focus)) {
    return false;
  }
  const bool onPage = focus != this;
  SelectNextPage(ui::HasShift(e.Shift, ui::kShiftShift) ? ui::TabDirection::Backward
                                                        : ui::TabDirection::Forward);
  // The focus went with the page it was on: it moves to the new page's first control.
  if (onPage && form->ActiveControl() == nullptr) {
    ui::Control* first = nullptr;
    if (TUiTabSheet* page = ActivePage()) {
      first = ui::NextTabStop(*page, nullptr, ui::TabDirection::Forward);
    }
    if (first == nullptr || !first->SetFocus()) {
      SetFocus();
    }
  }
  return true;
}

void TUiPageControl::SetHotTab(int index) {
  if (index == m_hotTab) {
    return;
  }
  m_hotTab = index;
  InvalidateStrip();
  // The pointer may leave the tabs without a move reaching the control (a tab that moved
  // away under it, a window in front): the timer notices.
  if (!m_hoverTimer && index >= 0) {
    if (ui::Application* app = App()) {
      m_hoverTimer = std::make_unique<ui::Timer>(*app);
      m_hoverTimer->SetInterval(kHoverInterval);
      m_hoverTimer->OnTimer = [this] { HoverTick(); };
    }
  }
  if (m_hoverTimer) {
    m_hoverTimer->SetEnabled(index >= 0);
  }
}

void TUiPageControl::HoverTick() {
  ui::Form* form = GetForm();
  bool over = false;
  if (form != nullptr && form->Mouse().Hover() == this) {
    over = TabAt(FormToClient(form->Mouse().LastPosition())) >= 0;
  }
  if (!over) {
    SetHotTab(-1);  // also stops the timer
  }
}

void TUiPageControl::InvalidateStrip() {
  Invalidate({0, 0, Width(), StripHeight() + 1});
}

}  // namespace orvanta::controls
