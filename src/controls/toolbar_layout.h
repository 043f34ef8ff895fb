#pragma once

#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace orvanta::controls {

// The placement settings of a horizontal toolbar.
struct ToolbarMetrics {
  int Margin = 4;      // left start of every row, and the right limit for wrapping
  int TopMargin = 2;   // offset of the first row
  int RowHeight = 25;  // pitch of the rows
  bool WrapControls = true;
  bool AutoResize = true;  // height from the row count
  bool AutoSize = false;   // then fitted to the children: moved up to the top edge
};

// One control of the toolbar, in toolbar order.
struct ToolbarItem {
  gfx::Size Size;
  bool Visible = true;
};

struct ToolbarPlacement {
  std::vector<gfx::Rect> Bounds;  // one per item, toolbar client pixels; hidden items keep {}
  int Height = 0;                 // the toolbar's new height; 0 when it keeps its own
};

// Places the visible controls left to right from Margin, each centred on its row's middle
// line, starting a new row when one would pass the right limit. Auto-resize gives the height
// of the rows; auto-size then moves everything up so the topmost control touches the top edge
// and takes the height from the topmost top to the lowest bottom.
ToolbarPlacement PlaceToolbarControls(std::span<const ToolbarItem> items, int toolbarWidth,
                                      const ToolbarMetrics& metrics);

}  // namespace orvanta::controls
