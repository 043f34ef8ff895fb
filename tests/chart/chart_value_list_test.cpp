#include "chart/chart_value_list.h"

#include <gtest/gtest.h>

namespace orvanta::chart {
namespace {

TEST(TChartValueList, StatisticsFollowEveryChange) {
  TChartValueList list("Y", ValueListOrder::loNone);
  EXPECT_EQ(list.MinValue(), 0);
  EXPECT_EQ(list.MaxValue(), 0);
  EXPECT_EQ(list.Total(), 0);
  for (double v : {2.0, -3.5, 7.25, 0.0}) {
    list.Insert(list.InsertPosition(v), v);
  }
  EXPECT_EQ(list.Values(), (std::vector<double>{2.0, -3.5, 7.25, 0.0}));
  EXPECT_EQ(list.MinValue(), -3.5);
  EXPECT_EQ(list.MaxValue(), 7.25);
  EXPECT_EQ(list.Total(), 5.75);
  EXPECT_EQ(list.TotalAbs(), 12.75);
  list.Insert(0, 100);
  EXPECT_EQ(list.MaxValue(), 100);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.MinValue(), 0);
  EXPECT_EQ(list.TotalAbs(), 0);
}

TEST(TChartValueList, OrderedListsInsertAfterEqualValues) {
  TChartValueList ascending("X", ValueListOrder::loAscending);
  for (double v : {1.0, 3.0, 3.0, 5.0}) {
    ascending.Insert(ascending.InsertPosition(v), v);
  }
  EXPECT_EQ(ascending.InsertPosition(6.0), 4);
  EXPECT_EQ(ascending.InsertPosition(3.0), 3);  // after the equal values
  EXPECT_EQ(ascending.InsertPosition(0.0), 0);
  TChartValueList descending("X", ValueListOrder::loDescending);
  for (double v : {5.0, 3.0, 1.0}) {
    descending.Insert(descending.InsertPosition(v), v);
  }
  EXPECT_EQ(descending.InsertPosition(4.0), 1);
  EXPECT_EQ(descending.InsertPosition(0.0), 3);
}

}  // namespace
}  // namespace orvanta::chart
