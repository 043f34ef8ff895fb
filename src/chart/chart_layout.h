#pragma once

#include <vector>

#include "chart/bar_layout.h"
#include "chart/chart_axis.h"
#include "gfx/geometry.h"

namespace orvanta::chart {

// Everything a chart places before it draws, in client pixels: the plotting rectangle, both
// axes and every series' bars. The chart paints from it, and the tools, zoom and scrolling
// hit-test with the one it keeps.
struct ChartLayout {
  gfx::Size Client;
  // The plotting rectangle. Its right and bottom edges are the far lines of the frame: a bar
  // of value 0 is a line on the bottom one.
  gfx::Rect ChartRect;
  AxisLayout Bottom;
  AxisLayout Left;
  std::vector<BarLayout> Bars;  // one per series of the chart, in its order
  int LabelsFontHeight = 0;
  int TitleFontHeight = 0;

  // The plotting frame as a rectangle to draw and clip with: ChartRect with its right and
  // bottom edges inside.
  gfx::Rect PlotFrame() const {
    return {ChartRect.Left, ChartRect.Top, ChartRect.Right + 1, ChartRect.Bottom + 1};
  }
  // The bars of the series at index; null for a series added after this layout was made.
  const BarLayout* BarsOf(int seriesIndex) const {
    return seriesIndex >= 0 && static_cast<std::size_t>(seriesIndex) < Bars.size()
               ? &Bars[static_cast<std::size_t>(seriesIndex)]
               : nullptr;
  }
};

}  // namespace orvanta::chart
