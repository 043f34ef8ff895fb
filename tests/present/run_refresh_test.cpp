#include "present/run_refresh.h"

#include <gtest/gtest.h>

#include "history/date_time.h"
#include "history/sid.h"
#include "present/run_list.h"
#include "present/run_report.h"
#include "support/evt_writer.h"
#include "support/fakes.h"
#include "support/worked_example.h"

namespace orvanta::present {
namespace {

class RunRefreshTest : public ::testing::Test {
 protected:
  RunRefreshTest() : m_bias(0) {
    Accounts.Names = {
        {"S-1-5-21-9-9-9-1001", "userA"}, {"S-1-5-21-9-9-9-1002", "userB"}, {"S-1-5-18", "SYSTEM"}};
  }

  static testsupport::FakeEventLog LogOf(const std::vector<testsupport::EventSpec>& oldestFirst) {
    std::vector<std::vector<std::uint8_t>> records;
    for (auto event = oldestFirst.rbegin(); event != oldestFirst.rend(); ++event) {
      records.push_back(testsupport::BuildEventRecord(*event, 1));
    }
    return testsupport::FakeEventLog(records);
  }
  static std::vector<testsupport::EventSpec> WorkedExample() {
    return testsupport::WorkedExampleEvents(
        history::EncodeSid(history::MakeSid(5, {21, 9, 9, 9, 1001})),
        history::EncodeSid(history::MakeSid(5, {21, 9, 9, 9, 1002})));
  }

  testsupport::FakeAccounts Accounts;

 private:
  testsupport::ScopedLocalBias m_bias;
};

TEST_F(RunRefreshTest, RunsTheFourStepsOnTheWorkedExample) {
  RunRefresh refresh;
  testsupport::FakeEventLog log = LogOf(WorkedExample());
  refresh.Refresh(log, Accounts);

  EXPECT_EQ(refresh.Runs.size(), 4u);
  EXPECT_EQ(refresh.TotalRunSeconds, 12600);
  EXPECT_EQ(refresh.UiLWMsg.ItemCount(), 4);
  EXPECT_EQ(refresh.Series1.Count(), 3);
  EXPECT_EQ(refresh.StatusPanes.Panes,
            (std::array<std::string, 4>{"记录数:4", "天数:3", "总计:3小时", "平均:0(小时/次)"}));
  EXPECT_EQ(FormatRunReport(refresh),
            "开机时间\t关机时间\t运行时长\t登录用户\t信息\n"
            "2024-03-10 09:00:00\t\t\tuserA\t正常,运行中...\n"
            "2024-03-09 20:00:00\t2024-03-09 23:30:00\t3 时30 分\tuserB\t正常关机\n"
            "2024-03-08 18:00:00\t\t\tuserA\t非正常关机\n"
            "\t2024-03-07 22:00:00\t\t\t无开机记录\n"
            "记录数:4\t天数:3\t总计:3小时\t平均:0(小时/次)\n");
}

// A user name from a file cannot split the report's line or drive the terminal; the refresh
// also tells how far the log reaches.
TEST_F(RunRefreshTest, TheReportEscapesControlsInUserNamesAndTheNewestRecordIsKept) {
  Accounts.Names["S-1-5-21-9-9-9-1001"] = "a\tb\x1B[31m\xC2\x9B\\c";
  RunRefresh refresh;
  testsupport::FakeEventLog log = LogOf(WorkedExample());
  refresh.Refresh(log, Accounts);
  EXPECT_NE(FormatRunReport(refresh).find("\ta\\tb\\033[31m\\302\\233\\c\t正常,运行中"),
            std::string::npos);
  EXPECT_EQ(history::FormatDateTime(refresh.NewestRecordTime), "2024-03-10 09:15:00");
  testsupport::FakeEventLog empty({});
  refresh.Refresh(empty, Accounts);
  EXPECT_EQ(refresh.NewestRecordTime, 0.0);
}

// The runs never overlap one another and their seconds add up to the total.
TEST_F(RunRefreshTest, RunSecondsAddUpToTheTotal) {
  RunRefresh refresh;
  testsupport::FakeEventLog log = LogOf(WorkedExample());
  refresh.Refresh(log, Accounts);
  std::int64_t sum = 0;
  for (const history::RunRecord& run : refresh.Runs) {
    sum += run.RunSeconds;
  }
  EXPECT_EQ(sum, refresh.TotalRunSeconds);
}

TEST_F(RunRefreshTest, ARefreshReplacesEverything) {
  RunRefresh refresh;
  testsupport::FakeEventLog full = LogOf(WorkedExample());
  refresh.Refresh(full, Accounts);
  refresh.Refresh(full, Accounts);
  EXPECT_EQ(refresh.UiLWMsg.ItemCount(), 4);
  EXPECT_EQ(refresh.Series1.Count(), 3);

  testsupport::FakeEventLog closed({});
  closed.Opens = false;
  refresh.Refresh(closed, Accounts);
  EXPECT_TRUE(refresh.Runs.empty());
  EXPECT_EQ(refresh.UiLWMsg.ItemCount(), 0);
  EXPECT_EQ(refresh.Series1.Count(), 0);
  EXPECT_EQ(refresh.TotalRunSeconds, 0);
  EXPECT_EQ(refresh.StatusPanes.Panes[0], "记录数:0");
  EXPECT_EQ(FormatRunReport(refresh),
            "开机时间\t关机时间\t运行时长\t登录用户\t信息\n"
            "记录数:0\t天数:0\t总计:0小时\t平均:0(小时/次)\n");
}

// The main window's refresh fills the window's own list and series and hands each caption to
// its pane, in pane order.
TEST_F(RunRefreshTest, ABoundRefreshFillsTheGivenListSeriesAndPanes) {
  ui::ListViewModel list;
  SetUpRunListColumns(list);
  chart::TBarSeries series;
  RunRefresh refresh(list, series);
  std::vector<std::pair<int, std::string>> captions;
  refresh.OnStatusCaption = [&](int pane, const std::string& caption) {
    captions.emplace_back(pane, caption);
  };
  testsupport::FakeEventLog log = LogOf(WorkedExample());
  refresh.Refresh(log, Accounts);
  EXPECT_EQ(&refresh.UiLWMsg, &list);
  EXPECT_EQ(&refresh.Series1, &series);
  EXPECT_EQ(list.ItemCount(), 4);
  EXPECT_EQ(series.Count(), 3);
  EXPECT_EQ(captions,
            (std::vector<std::pair<int, std::string>>{
                {0, "记录数:4"}, {1, "天数:3"}, {2, "总计:3小时"}, {3, "平均:0(小时/次)"}}));
}

TEST_F(RunRefreshTest, AReportRefreshLeavesTheChartAlone) {
  RunRefresh refresh;
  testsupport::FakeEventLog log = LogOf(WorkedExample());
  refresh.Refresh(log, Accounts, ChartFill::Skip);
  EXPECT_EQ(refresh.UiLWMsg.ItemCount(), 4);
  EXPECT_EQ(refresh.Series1.Count(), 0);
}

// The text report written from the runs alone says what the one written beside the list does.
TEST_F(RunRefreshTest, AReportWithoutTheListWritesTheSameText) {
  testsupport::FakeEventLog log = LogOf(WorkedExample());
  RunRefresh withList;
  withList.Refresh(log, Accounts, ChartFill::Skip);
  RunRefresh withoutList;
  withoutList.Refresh(log, Accounts, ChartFill::Skip, ListFill::Skip);
  EXPECT_EQ(withoutList.UiLWMsg.ItemCount(), 0);
  EXPECT_EQ(withoutList.TotalRunSeconds, withList.TotalRunSeconds);
  EXPECT_EQ(withoutList.Runs, withList.Runs);
  EXPECT_EQ(FormatRunReport(withoutList), FormatRunReport(withList));
}

}  // namespace
}  // namespace orvanta::present
