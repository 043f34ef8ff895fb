#include "present/run_list.h"

#include <gtest/gtest.h>

#include "present/run_fixtures.h"

namespace orvanta::present {
namespace {

struct Row {
  int State;
  std::vector<std::string> Texts;
  friend bool operator==(const Row&, const Row&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Row& row) {
    out << row.State;
    for (const std::string& text : row.Texts) {
      out << " | " << text;
    }
    return out;
  }
};

class RunListTest : public ::testing::Test {
 protected:
  RunListTest() { SetUpRunListColumns(List); }

  std::vector<Row> Fill(history::RunList& runs) {
    FillRunList(runs, List, Total);
    std::vector<Row> rows;
    for (int i = 0; i < List.ItemCount(); ++i) {
      const ui::ListItem& item = List.Item(i);
      EXPECT_EQ(item.Caption(), "");
      std::vector<std::string> texts;
      for (int c = 0; c < item.SubItemCount(); ++c) {
        texts.emplace_back(item.SubItem(c));
      }
      rows.push_back({item.StateIndex, std::move(texts)});
    }
    return rows;
  }
  bool UserColumnHidden() const {
    return List.ColumnWidth(kUserColumn) == 0 && List.Column(kUserColumn).MaxWidth == 1;
  }
  bool UserColumnShown() const {
    return List.ColumnWidth(kUserColumn) == 127 && List.Column(kUserColumn).MaxWidth == 0;
  }

  ui::ListViewModel List;
  std::int64_t Total = -1;
};

TEST_F(RunListTest, ShowsTheWorkedExample) {
  history::RunList runs = WorkedExampleRuns();
  const std::vector<Row> expected = {
      {0, {"2024-03-10 09:00:00", "", "", "userA", "正常,运行中..."}},
      {0, {"2024-03-09 20:00:00", "2024-03-09 23:30:00", "3 时30 分", "userB", "正常关机"}},
      {1, {"2024-03-08 18:00:00", "", "", "userA", "非正常关机"}},
      {1, {"", "2024-03-07 22:00:00", "", "", "无开机记录"}},
  };
  EXPECT_EQ(Fill(runs), expected);
  EXPECT_EQ(Total, 12600);
  EXPECT_EQ(runs[1].RunSeconds, 12600);
  EXPECT_EQ(runs[0].RunSeconds + runs[2].RunSeconds + runs[3].RunSeconds, 0);
  EXPECT_EQ(runs[3].InfoText, "无开机记录");
  EXPECT_TRUE(UserColumnShown());
}

TEST_F(RunListTest, EmptyRunsLeaveTheUserColumnAsItWas) {
  history::RunList runs;
  EXPECT_TRUE(Fill(runs).empty());
  EXPECT_EQ(Total, 0);
  EXPECT_TRUE(UserColumnShown());

  history::RunList noUser = {MakeRun(At(2024, 1, 1, 8), 0)};
  Fill(noUser);
  EXPECT_TRUE(UserColumnHidden());
  history::RunList none;
  Fill(none);
  EXPECT_TRUE(UserColumnHidden());
}

TEST_F(RunListTest, TheUserColumnHidesAndComesBackAtFullWidth) {
  history::RunList noUser = {MakeRun(At(2024, 1, 1, 8), 0)};
  Fill(noUser);
  EXPECT_TRUE(UserColumnHidden());
  history::RunList withUser = {MakeRun(At(2024, 1, 1, 8), 0, "root")};
  Fill(withUser);
  EXPECT_TRUE(UserColumnShown());
  List.SetColumnWidth(kUserColumn, 80);  // dragged by the user
  Fill(withUser);
  EXPECT_EQ(List.ColumnWidth(kUserColumn), 80);
}

TEST_F(RunListTest, OnlyAnEmptyLastRunIsDropped) {
  history::RunList onlyUser = {MakeRun(0, 0, "userA")};
  EXPECT_TRUE(Fill(onlyUser).empty());
  EXPECT_TRUE(onlyUser.empty());
  EXPECT_TRUE(UserColumnHidden());

  history::RunList middleEmpty = {MakeRun(At(2024, 1, 3, 8), 0), MakeRun(0, 0, "x"), MakeRun(0, 0),
                                  MakeRun(0, 0)};
  const std::vector<Row> rows = Fill(middleEmpty);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], (Row{1, {"", "", "", "x", "无开机记录"}}));
  EXPECT_EQ(rows[2], (Row{1, {"", "", "", "", "无开机记录"}}));
}

struct RunCase {
  const char* Name;
  history::RunList Runs;
  Row Newest;
  std::int32_t Seconds;
};

TEST_F(RunListTest, LabelsAndMeasuresEachRun) {
  const history::DateTime eight = At(2024, 5, 1, 8);
  const std::vector<RunCase> cases = {
      {"newest with a shutdown but no boot is running",
       {MakeRun(0, eight)},
       {0, {"", "2024-05-01 08:00:00", "", "", "正常,运行中..."}},
       0},
      {"same second",
       {MakeRun(eight, eight)},
       {0, {"2024-05-01 08:00:00", "2024-05-01 08:00:00", "", "", "正常关机"}},
       0},
      {"one hour",
       {MakeRun(eight, At(2024, 5, 1, 9))},
       {0, {"2024-05-01 08:00:00", "2024-05-01 09:00:00", "60 分", "", "正常关机"}},
       3600},
      {"one day",
       {MakeRun(eight, At(2024, 5, 2, 8))},
       {0, {"2024-05-01 08:00:00", "2024-05-02 08:00:00", "24 时", "", "正常关机"}},
       86400},
      {"shutdown before boot is measured as an absolute value",
       {MakeRun(At(2024, 5, 1, 9, 30), eight)},
       {0, {"2024-05-01 09:30:00", "2024-05-01 08:00:00", "1 时30 分", "", "正常关机"}},
       5400},
      {"a run longer than 68 years saturates",
       {MakeRun(history::EventTimeToDateTime(0, 0), history::EventTimeToDateTime(4294967295u, 0))},
       {0, {"1970-01-01 00:00:00", "2106-02-07 06:28:15", "24855 天3 时14 分7 秒", "", "正常关机"}},
       2147483647},
  };
  for (const RunCase& c : cases) {
    history::RunList runs = c.Runs;
    const std::vector<Row> rows = Fill(runs);
    ASSERT_EQ(rows.size(), 1u) << c.Name;
    EXPECT_EQ(rows[0], c.Newest) << c.Name;
    EXPECT_EQ(runs[0].RunSeconds, c.Seconds) << c.Name;
    EXPECT_EQ(Total, c.Seconds) << c.Name;
  }
}

// Seconds that would overflow a 32-bit total are summed without wrapping.
TEST_F(RunListTest, TheTotalDoesNotOverflow) {
  history::RunList runs;
  for (int i = 0; i < 3; ++i) {
    runs.push_back(MakeRun(history::EventTimeToDateTime(0, 0),
                           history::EventTimeToDateTime(2'000'000'000u, 0)));
  }
  Fill(runs);
  EXPECT_EQ(Total, 6'000'000'000);
}

TEST_F(RunListTest, RefillingReplacesTheRows) {
  history::RunList runs = WorkedExampleRuns();
  Fill(runs);
  history::RunList fewer = {MakeRun(At(2024, 1, 1, 8), 0, "u")};
  EXPECT_EQ(Fill(fewer).size(), 1u);
  EXPECT_EQ(Total, 0);
}

}  // namespace
}  // namespace orvanta::present
