#pragma once

#include "gfx/geometry.h"

namespace orvanta::chart {

// Space between the panel's frame and the plotting rectangle, in percent of the control's
// width (left, right) and height (top, bottom).
struct ChartMargins {
  int Left = 3;
  int Top = 4;
  int Right = 3;
  int Bottom = 4;
};

// The plotting rectangle before the axes take their space, in client pixels, already
// normalised. `frameWidth` is the width of the panel's frame.
gfx::Rect StartingChartRect(gfx::Size client, int frameWidth, const ChartMargins& margins);

// Keeps the plotting rectangle inside the client area's top-left corner and never lets it
// turn inside out: an inverted side becomes one pixel wide, an empty one the client's size.
gfx::Rect NormalizeChartRect(gfx::Rect rect, gfx::Size client);

}  // namespace orvanta::chart
