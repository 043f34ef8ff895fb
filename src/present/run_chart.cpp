#include "present/run_chart.h"

#include "gfx/color.h"

namespace orvanta::present {

void FillRunChart(const history::RunList& runs, chart::TBarSeries& series) {
  series.Clear();
  for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
    if (run->BootTime > 0) {
      series.Add(run->RunSeconds / 3600.0, history::FormatDate(run->BootTime), gfx::AutoColor);
    }
  }
}

void SetUpRunChartSeries(chart::TBarSeries& series) {
  series.ColorEachPoint = true;
  series.XValues.Name = "X";
  series.XValues.Order = chart::ValueListOrder::loAscending;
  series.YValues.Name = "长条";
  series.YValues.Order = chart::ValueListOrder::loNone;
}

}  // namespace orvanta::present
