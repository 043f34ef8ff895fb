#include "ui/list_view.h"

#include <algorithm>

#include "ui/application.h"

namespace orvanta::ui {

ListView::ListView()
    : m_vbar(&Add<ScrollBar>(ScrollBarKind::Vertical)),
      m_hbar(&Add<ScrollBar>(ScrollBarKind::Horizontal)) {
  SetStyle(kCsAcceptsFocus | kCsClickEvents);
  SetTabStop(true);
  SetColor(gfx::clWindow);
  m_vbar->Hide();
  m_hbar->Hide();
  m_vbar->OnScroll = [this](ScrollCode, int position) { ScrollTo(m_scrollX, position); };
  m_hbar->OnScroll = [this](ScrollCode, int position) { ScrollTo(position, m_scrollY); };
  m_model.SetOnChange([this] { ModelChanged(); });
  SetBounds(0, 0, 250, 150);
}

ListView::~ListView() {
  m_model.SetOnChange(nullptr);
}

void ListView::SetStateImages(const ImageList* images) {
  m_stateImages = images;
  Relayout();
}

void ListView::SetGridLines(bool on) {
  m_gridLines = on;
  Relayout();
}

void ListView::SetHideSelection(bool on) {
  m_hideSelection = on;
  InvalidateRow(m_selected);
}

void ListView::SetShowColumnHeaders(bool on) {
  m_showHeaders = on;
  Relayout();
}

void ListView::SetBorder(ControlBorder border) {
  m_border = border;
  Relayout();
}

ListViewMetrics ListView::Metrics() const {
  ListViewMetrics m;
  m.LineHeight = m_lineHeight;
  m.ImageHeight = m_stateImages != nullptr ? m_stateImages->Height() : 0;
  m.GridLines = m_gridLines;
  m.ShowHeader = m_showHeaders;
  m.Border = m_border;
  m.ScrollBarSize = ScrollBar::kSize;
  return m;
}

void ListView::ModelChanged() {
  if (m_model.Clearings() != m_seenClearings) {
    m_seenClearings = m_model.Clearings();
    m_selected = -1;
    m_scrollY = 0;
  }
  // Filling calls this once per row: only the first call of a batch does any work.
  if (m_layoutDirty) {
    return;
  }
  m_layoutDirty = true;
  Invalidate();
}

void ListView::Relayout() {
  if (gfx::Canvas* canvas = MeasuringCanvas()) {
    m_lineHeight = std::max(canvas->GetTextMetrics().Height, 1);
  }
  m_layoutDirty = true;
  UpdateLayout();
  Invalidate();
}

void ListView::EnsureLayout() {
  if (m_layoutDirty) {
    UpdateLayout();
  }
}

const ListViewLayout& ListView::Layout() {
  EnsureLayout();
  return m_layout;
}

void ListView::PrepareToPaint() {
  EnsureLayout();
}

void ListView::UpdateLayout() {
  m_layoutDirty = false;
  m_layout = ComputeListViewLayout({Width(), Height()}, m_model, Metrics());
  if (m_selected >= m_model.ItemCount()) {
    m_selected = -1;
  }
  m_scrollX = std::clamp(m_scrollX, 0, m_layout.MaxScrollX());
  m_scrollY = std::clamp(m_scrollY, 0, m_layout.MaxScrollY());
  const gfx::Rect& inner = m_layout.Inner;
  const int bar = ScrollBar::kSize;
  m_vbar->SetVisible(m_layout.VerticalBar);
  m_hbar->SetVisible(m_layout.HorizontalBar);
  m_vbar->SetBounds({inner.Right - bar, inner.Top, inner.Right,
                     inner.Bottom - (m_layout.HorizontalBar ? bar : 0)});
  m_hbar->SetBounds({inner.Left, inner.Bottom - bar, inner.Right - (m_layout.VerticalBar ? bar : 0),
                     inner.Bottom});
  m_vbar->SetParams(0, std::max(m_layout.ContentHeight - 1, 0), m_layout.ViewRect.Height(),
                    m_scrollY);
  m_vbar->SetSmallChange(m_layout.RowHeight);
  m_hbar->SetParams(0, std::max(m_layout.ContentWidth - 1, 0), m_layout.ViewRect.Width(),
                    m_scrollX);
  m_hbar->SetSmallChange(kWheelPixelsPerLine);
}

void ListView::SetSelected(int row) {
  EnsureLayout();
  if (row < 0 || row >= m_model.ItemCount()) {
    row = -1;
  }
  if (row == m_selected) {
    return;
  }
  InvalidateRow(m_selected);
  m_selected = row;
  InvalidateRow(m_selected);
  if (OnSelectItem) {
    OnSelectItem();
  }
}

void ListView::InvalidateRow(int row) {
  if (row < 0 || m_layoutDirty) {
    return;
  }
  Invalidate(m_layout.RowRect(row, m_scrollX, m_scrollY).Intersect(m_layout.ViewRect));
}

void ListView::ScrollTo(int x, int y) {
  EnsureLayout();
  x = std::clamp(x, 0, m_layout.MaxScrollX());
  y = std::clamp(y, 0, m_layout.MaxScrollY());
  if (x == m_scrollX && y == m_scrollY) {
    return;
  }
  if (x != m_scrollX) {
    Invalidate(m_layout.HeaderRect);
  }
  m_scrollX = x;
  m_scrollY = y;
  m_vbar->SetPosition(y);
  m_hbar->SetPosition(x);
  Invalidate(m_layout.ViewRect);
}

void ListView::MakeVisible(int row) {
  EnsureLayout();
  if (row < 0 || row >= m_model.ItemCount()) {
    return;
  }
  const int top = row * m_layout.RowHeight;
  const int bottom = top + m_layout.RowHeight;
  int y = m_scrollY;
  if (top < y) {
    y = top;
  } else if (bottom > y + m_layout.ViewRect.Height()) {
    y = bottom - m_layout.ViewRect.Height();
  }
  ScrollTo(m_scrollX, y);
}

void ListView::MouseDown(const MouseEvent& e) {
  EnsureLayout();
  if (e.Button != MouseButton::Left && e.Button != MouseButton::Right) {
    return;
  }
  if (e.Button == MouseButton::Left) {
    const int divider = m_layout.DividerAt(e.Position, m_scrollX);
    if (divider >= 0) {
      m_sizingColumn = divider;
      m_sizingStartX = e.Position.X;
      m_sizingStartWidth = m_layout.ColumnWidth[static_cast<std::size_t>(divider)];
      return;
    }
  }
  if (m_layout.HeaderRect.Contains(e.Position)) {
    // A header click selects nothing; what it sorts is for the kind of list to say.
    if (const int column = HeaderItemAt(e.Position); column >= 0 && e.Button == MouseButton::Left) {
      ColumnClicked(column);
    }
    return;
  }
  SetFocus();
  if (m_layout.ViewRect.Contains(e.Position)) {
    SetSelected(m_layout.RowAt(e.Position, m_scrollX, m_scrollY, m_model.ItemCount()));
  }
}

int ListView::HeaderItemAt(gfx::Point p) {
  EnsureLayout();
  if (!m_showHeaders || !m_layout.HeaderRect.Contains(p)) {
    return -1;
  }
  for (int c = 0; c < m_model.ColumnCount(); ++c) {
    if (m_layout.HeaderItemRect(c, m_scrollX).Contains(p)) {
      return c;
    }
  }
  return -1;
}

void ListView::MouseMove(const MouseEvent& e) {
  EnsureLayout();  // the pointer shape is asked for next, from the layout
  if (m_sizingColumn < 0 || m_sizingColumn >= m_model.ColumnCount()) {
    return;
  }
  m_model.SetColumnWidth(m_sizingColumn, m_sizingStartWidth + e.Position.X - m_sizingStartX);
  UpdateLayout();
  Invalidate();
}

void ListView::MouseUp(const MouseEvent& e) {
  if (e.Button == MouseButton::Left) {
    m_sizingColumn = -1;
  }
}

void ListView::CaptureLost() {
  m_sizingColumn = -1;  // a divider drag ends with the mouse taken away
}

CursorKind ListView::CursorAt(gfx::Point p) const {
  if (m_sizingColumn >= 0 || (!m_layoutDirty && m_layout.DividerAt(p, m_scrollX) >= 0)) {
    return CursorKind::SizeWE;
  }
  return Cursor();
}

void ListView::MouseWheel(WheelEvent& e) {
  const Application* app = App();
  const int lines = app != nullptr ? app->Host().WheelScrollLines() : 3;
  ScrollBy(0, -e.Notches * lines * kWheelPixelsPerLine);
  e.Handled = true;
}

void ListView::KeyDown(KeyEvent& e) {
  EnsureLayout();
  const int count = m_model.ItemCount();
  const int page = m_layout.RowsPerPage();
  int row = m_selected;
  switch (e.Key) {
    case kVkUp:
      row = row < 0 ? 0 : row - 1;
      break;
    case kVkDown:
      row = row < 0 ? 0 : row + 1;
      break;
    case kVkPrior: {
      // First to the top whole row of the page, then a page further.
      const int top = (m_scrollY + m_layout.RowHeight - 1) / m_layout.RowHeight;
      row = row < 0 ? 0 : (row > top ? top : row - std::max(page - 1, 1));
      break;
    }
    case kVkNext: {
      // First to the bottom whole row of the page, then a page further.
      const int bottom = (m_scrollY + m_layout.ViewRect.Height()) / m_layout.RowHeight - 1;
      row = row < 0 ? 0 : (row < bottom ? bottom : row + std::max(page - 1, 1));
      break;
    }
    case kVkHome:
      row = 0;
      break;
    case kVkEnd:
      row = count - 1;
      break;
    case kVkLeft:
      ScrollBy(-kWheelPixelsPerLine, 0);
      e.Handled = true;
      return;
    case kVkRight:
      ScrollBy(kWheelPixelsPerLine, 0);
      e.Handled = true;
      return;
    default:
      return;
  }
  e.Handled = true;
  if (count == 0) {
    return;
  }
  row = std::clamp(row, 0, count - 1);
  SetSelected(row);
  MakeVisible(row);
}

}  // namespace orvanta::ui
