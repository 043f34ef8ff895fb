#pragma once

#include "chart/bar_series.h"
#include "chart/chart.h"

namespace orvanta::chart {

// The chart and series as the main window's chart page sets them up, at its 669 x 328.
inline void SetUpAsChartPage(TChart& chart, TBarSeries& series) {
  chart.Color = gfx::clWhite;
  chart.LeftAxis.Title.Caption = "(小时)";
  chart.SetSize({669, 328});
  series.ColorEachPoint = true;
  series.BarBrush.Color = gfx::clWhite;
  series.BarStyle = TBarStyle::bsCylinder;
  series.Marks.Visible = false;
}

}  // namespace orvanta::chart
