#pragma once

#include "chart/bar_series.h"
#include "history/runs.h"

namespace orvanta::present {

// Replaces the series' points with one bar per run that has a boot time, oldest first: the
// run's hours (RunSeconds / 3600, unrounded), labelled with its boot date, in the series'
// automatic colour. Reads the RunSeconds that FillRunList has just set.
void FillRunChart(const history::RunList& runs, chart::TBarSeries& series);

// The bar series of the run chart as the main window sets it up: every point in its own
// palette colour, Y values named "长条".
void SetUpRunChartSeries(chart::TBarSeries& series);

}  // namespace orvanta::present
