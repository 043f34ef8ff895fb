#include "ui/list_view_layout.h"

#include <algorithm>

namespace orvanta::ui {

namespace {

constexpr int kDividerReach = 3;  // pixels either side of a header divider that grab it

std::vector<int> ShownWidths(const ListViewModel& model, int viewWidth) {
  std::vector<int> widths(static_cast<std::size_t>(model.ColumnCount()));
  int others = 0;
  for (int i = 0; i < model.ColumnCount(); ++i) {
    if (!model.Column(i).FillsRest) {
      widths[static_cast<std::size_t>(i)] = std::max(model.Column(i).Width, 0);
      others += widths[static_cast<std::size_t>(i)];
    }
  }
  for (int i = 0; i < model.ColumnCount(); ++i) {
    const ListColumn& column = model.Column(i);
    if (column.FillsRest) {
      int width = std::max(column.Width, viewWidth - others);
      if (column.MaxWidth > 0) {
        width = std::min(width, column.MaxWidth);
      }
      widths[static_cast<std::size_t>(i)] = std::max(width, 0);
      others += widths[static_cast<std::size_t>(i)];
    }
  }
  return widths;
}

}  // namespace

ListViewLayout ComputeListViewLayout(gfx::Size client, const ListViewModel& model,
                                     const ListViewMetrics& metrics) {
  ListViewLayout layout;
  const int border = BorderWidth(metrics.Border);
  layout.Inner = gfx::Rect{0, 0, client.Width, client.Height}.Inflate(-border, -border);
  layout.Inner.Right = std::max(layout.Inner.Right, layout.Inner.Left);
  layout.Inner.Bottom = std::max(layout.Inner.Bottom, layout.Inner.Top);
  layout.HeaderHeight = metrics.ShowHeader ? metrics.LineHeight + 4 : 0;
  layout.RowHeight =
      std::max(std::max(metrics.LineHeight, metrics.ImageHeight) + (metrics.GridLines ? 1 : 0), 1);
  const int availableWidth = layout.Inner.Width();
  const int availableHeight = std::max(layout.Inner.Height() - layout.HeaderHeight, 0);
  layout.ContentHeight = model.ItemCount() * layout.RowHeight;
  // Each bar takes room from the other direction, so settle them in a few rounds.
  for (int round = 0; round < 3; ++round) {
    const int viewWidth = availableWidth - (layout.VerticalBar ? metrics.ScrollBarSize : 0);
    const int viewHeight = availableHeight - (layout.HorizontalBar ? metrics.ScrollBarSize : 0);
    layout.ColumnWidth = ShownWidths(model, viewWidth);
    layout.ContentWidth = 0;
    for (int w : layout.ColumnWidth) {
      layout.ContentWidth += w;
    }
    layout.VerticalBar = layout.ContentHeight > viewHeight;
    layout.HorizontalBar = layout.ContentWidth > viewWidth;
  }
  const int viewWidth =
      std::max(availableWidth - (layout.VerticalBar ? metrics.ScrollBarSize : 0), 0);
  const int viewHeight =
      std::max(availableHeight - (layout.HorizontalBar ? metrics.ScrollBarSize : 0), 0);
  layout.ColumnWidth = ShownWidths(model, viewWidth);
  layout.ColumnLeft.clear();
  int x = 0;
  for (int w : layout.ColumnWidth) {
    layout.ColumnLeft.push_back(x);
    x += w;
  }
  layout.ContentWidth = x;
  layout.HeaderRect =
      gfx::Rect::FromSize(layout.Inner.Left, layout.Inner.Top, viewWidth, layout.HeaderHeight);
  layout.ViewRect = gfx::Rect::FromSize(layout.Inner.Left, layout.Inner.Top + layout.HeaderHeight,
                                        viewWidth, viewHeight);
  return layout;
}

int ListViewLayout::MaxScrollX() const {
  return std::max(0, ContentWidth - ViewRect.Width());
}

int ListViewLayout::MaxScrollY() const {
  return std::max(0, ContentHeight - ViewRect.Height());
}

int ListViewLayout::RowsPerPage() const {
  return std::max(1, ViewRect.Height() / RowHeight);
}

int ListViewLayout::FirstVisibleRow(int scrollY) const {
  return std::max(scrollY, 0) / RowHeight;
}

int ListViewLayout::LastVisibleRow(int scrollY, int rowCount) const {
  if (ViewRect.Height() <= 0) {
    return -1;
  }
  return std::min(rowCount - 1, (std::max(scrollY, 0) + ViewRect.Height() - 1) / RowHeight);
}

gfx::Rect ListViewLayout::RowRect(int row, int scrollX, int scrollY) const {
  return gfx::Rect::FromSize(ViewRect.Left - scrollX, ViewRect.Top + row * RowHeight - scrollY,
                             ContentWidth, RowHeight);
}

gfx::Rect ListViewLayout::CellRect(int row, int column, int scrollX, int scrollY) const {
  const gfx::Rect r = RowRect(row, scrollX, scrollY);
  const auto c = static_cast<std::size_t>(column);
  return gfx::Rect::FromSize(r.Left + ColumnLeft.at(c), r.Top, ColumnWidth.at(c), RowHeight);
}

gfx::Rect ListViewLayout::HeaderItemRect(int column, int scrollX) const {
  const auto c = static_cast<std::size_t>(column);
  return gfx::Rect::FromSize(HeaderRect.Left - scrollX + ColumnLeft.at(c), HeaderRect.Top,
                             ColumnWidth.at(c), HeaderHeight);
}

int ListViewLayout::RowAt(gfx::Point p, int scrollX, int scrollY, int rowCount) const {
  if (!ViewRect.Contains(p) || p.X - ViewRect.Left + scrollX >= ContentWidth) {
    return -1;
  }
  const int row = (p.Y - ViewRect.Top + scrollY) / RowHeight;
  return row < rowCount ? row : -1;
}

int ListViewLayout::DividerAt(gfx::Point p, int scrollX) const {
  if (!HeaderRect.Contains(p)) {
    return -1;
  }
  // The last matching column wins, so a divider shared with a hidden column picks the
  // shown one to its left.
  for (int c = static_cast<int>(ColumnWidth.size()) - 1; c >= 0; --c) {
    const auto i = static_cast<std::size_t>(c);
    if (ColumnWidth[i] == 0) {
      continue;
    }
    const int right = HeaderRect.Left - scrollX + ColumnLeft[i] + ColumnWidth[i];
    if (p.X >= right - kDividerReach && p.X <= right + kDividerReach) {
      return c;
    }
  }
  return -1;
}

}  // namespace orvanta::ui
