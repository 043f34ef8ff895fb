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
  // Assigned as whole strings: assigning a literal trips a false -Wrestrict of GCC 12 at -O3.
  series.XValues.Name = std::string("X");
  series.XValues.Order = chart::ValueListOrder::loAscending;
  series.YValues.Name = std::string("长条");
  series.YValues.Order = chart::ValueListOrder::loNone;
}

}  // namespace orvanta::present
