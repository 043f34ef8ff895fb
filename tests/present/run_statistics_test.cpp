#include "present/run_statistics.h"

#include <gtest/gtest.h>

#include "present/run_fixtures.h"

namespace orvanta::present {
namespace {

struct StatisticsCase {
  const char* Name;
  history::RunList Runs;
  std::int64_t TotalSeconds;
  std::array<const char*, 4> Panes;
};

TEST(ShowRunStatistics, WritesTheFourPanes) {
  const std::vector<StatisticsCase> cases = {
      {"worked example",
       WorkedExampleRuns(),
       12600,
       {"记录数:4", "天数:3", "总计:3小时", "平均:0(小时/次)"}},
      {"no runs", {}, 0, {"记录数:0", "天数:0", "总计:0小时", "平均:0(小时/次)"}},
      {"one run",
       {MakeRun(At(2024, 5, 1, 8), At(2024, 5, 1, 9))},
       3600,
       {"记录数:1", "天数:1", "总计:1小时", "平均:1(小时/次)"}},
      {"8.96 days",
       {MakeRun(At(2024, 5, 10, 8), 0), MakeRun(At(2024, 5, 1, 9), 0)},
       0,
       {"记录数:2", "天数:9", "总计:0小时", "平均:0(小时/次)"}},
      {"consecutive dates less than a day apart",
       {MakeRun(At(2024, 5, 2, 7), 0), MakeRun(At(2024, 5, 1, 9), 0)},
       0,
       {"记录数:2", "天数:1", "总计:0小时", "平均:0(小时/次)"}},
      {"newest without boot uses its shutdown",
       {MakeRun(0, At(2024, 5, 4, 8)), MakeRun(At(2024, 5, 1, 8), 0)},
       0,
       {"记录数:2", "天数:4", "总计:0小时", "平均:0(小时/次)"}},
      {"7199 seconds are one hour",
       {MakeRun(At(2024, 5, 1, 8), 0)},
       7199,
       {"记录数:1", "天数:1", "总计:1小时", "平均:1(小时/次)"}},
      {"three runs average 3",
       {MakeRun(At(2024, 5, 3, 8), 0), MakeRun(At(2024, 5, 2, 8), 0),
        MakeRun(At(2024, 5, 1, 8), 0)},
       32400,
       {"记录数:3", "天数:3", "总计:9小时", "平均:3(小时/次)"}},
      {"totals beyond 32 bits",
       {MakeRun(At(2024, 5, 1, 8), 0)},
       6'000'000'000,
       {"记录数:1", "天数:1", "总计:1666666小时", "平均:1666666(小时/次)"}},
  };
  for (const StatisticsCase& c : cases) {
    StatusCaptions captions;
    captions.Panes = {"old", "old", "old", "old"};
    ShowRunStatistics(c.Runs, c.TotalSeconds, captions);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(captions.Panes[i], c.Panes[i]) << c.Name;
    }
  }
}

// With more than 596523 runs the runs times 3600 exceed 32 bits; the average stays right.
TEST(ShowRunStatistics, AverageOfManyRunsDoesNotOverflow) {
  history::RunList runs(700'000, MakeRun(At(2024, 5, 1, 8), 0));
  StatusCaptions captions;
  ShowRunStatistics(runs, 700'000LL * 7200, captions);
  EXPECT_EQ(captions.Panes[3], "平均:2(小时/次)");
}

}  // namespace
}  // namespace orvanta::present
