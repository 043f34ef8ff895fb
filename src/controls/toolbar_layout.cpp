#include "controls/toolbar_layout.h"

#include <algorithm>
#include <limits>

namespace orvanta::controls {

ToolbarPlacement PlaceToolbarControls(std::span<const ToolbarItem> items, int toolbarWidth,
                                      const ToolbarMetrics& metrics) {
  ToolbarPlacement placement;
  placement.Bounds.resize(items.size());
  int x = metrics.Margin;
  int row = 1;
  int top = std::numeric_limits<int>::max();
  int bottom = std::numeric_limits<int>::min();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const ToolbarItem& item = items[i];
    if (!item.Visible) {
      continue;
    }
    const int width = item.Size.Width;
    if (i > 0 && metrics.WrapControls && x + width > toolbarWidth - metrics.Margin) {
      x = metrics.Margin;
      ++row;
    }
    const int y = (row - 1) * metrics.RowHeight + metrics.TopMargin + metrics.RowHeight / 2 -
                  item.Size.Height / 2;
    placement.Bounds[i] = gfx::Rect::FromSize(x, y, width, item.Size.Height);
    top = std::min(top, y);
    bottom = std::max(bottom, y + item.Size.Height);
    x += width;
  }
  if (metrics.AutoResize) {
    placement.Height = metrics.RowHeight * row + 2 * metrics.TopMargin;
  }
  if (metrics.AutoSize && top <= bottom) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].Visible) {
        placement.Bounds[i] = placement.Bounds[i].Offset(0, -top);
      }
    }
    placement.Height = bottom - top;
  }
  return placement;
}

}  // namespace orvanta::controls
