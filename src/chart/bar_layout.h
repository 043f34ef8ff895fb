#pragma once

#include "chart/axis_scale.h"

namespace orvanta::chart {

// Where one bar series' bars go in a chart's layout: how the series shares the category slots
// with the others, how wide its bars are, the axis scales they stand on (client pixels) and
// the points in view. The series computes it and draws and hit-tests from it.
struct BarLayout {
  int BarSeriesCount = 1;
  int BarOrder = 1;  // 1-based place among the bar series side by side
  int SlotCount = 0;
  int BarSize = 0;
  int BarMargin = 0;  // horizontal pixels the category axis keeps free at each end
  AxisScale XScale;
  AxisScale YScale{.Horizontal = false};
  int FirstVisibleIndex = -1;  // -1 when no point is in view
  int LastVisibleIndex = -1;
};

}  // namespace orvanta::chart
