#include "present/run_chart.h"

#include <gtest/gtest.h>

#include "present/run_fixtures.h"
#include "present/run_list.h"

namespace orvanta::present {
namespace {

std::vector<std::pair<std::string, double>> Points(const chart::TBarSeries& series) {
  std::vector<std::pair<std::string, double>> points;
  for (int i = 0; i < series.Count(); ++i) {
    EXPECT_EQ(series.XValue(i), i);
    points.emplace_back(series.Label(i), series.YValue(i));
  }
  return points;
}

TEST(FillRunChart, AddsOneBarPerBootedRunOldestFirst) {
  history::RunList runs = WorkedExampleRuns();
  ui::ListViewModel list;
  SetUpRunListColumns(list);
  std::int64_t total = 0;
  FillRunList(runs, list, total);

  chart::TBarSeries series;
  SetUpRunChartSeries(series);
  FillRunChart(runs, series);
  EXPECT_EQ(Points(series), (std::vector<std::pair<std::string, double>>{
                                {"2024-03-08", 0.0}, {"2024-03-09", 3.5}, {"2024-03-10", 0.0}}));
  // Each bar takes its palette colour: red, green, yellow.
  EXPECT_EQ(series.ValueColor(0), gfx::clRed);
  EXPECT_EQ(series.ValueColor(1), gfx::clGreen);
  EXPECT_EQ(series.ValueColor(2), gfx::clYellow);
  EXPECT_EQ(series.YValues.Name, "长条");
}

TEST(FillRunChart, ReplacesThePointsAndKeepsHoursUnrounded) {
  chart::TBarSeries series;
  SetUpRunChartSeries(series);
  history::RunList runs = WorkedExampleRuns();
  FillRunChart(runs, series);
  ASSERT_EQ(series.Count(), 3);

  history::RunRecord ninetyMinutes = MakeRun(At(2024, 5, 1, 8), At(2024, 5, 1, 9, 30));
  ninetyMinutes.RunSeconds = 5400;
  history::RunRecord sameDay = MakeRun(At(2024, 5, 1, 10), 0);
  FillRunChart({sameDay, ninetyMinutes}, series);
  EXPECT_EQ(Points(series), (std::vector<std::pair<std::string, double>>{{"2024-05-01", 1.5},
                                                                         {"2024-05-01", 0.0}}));

  FillRunChart({}, series);
  EXPECT_EQ(series.Count(), 0);
}

}  // namespace
}  // namespace orvanta::present
