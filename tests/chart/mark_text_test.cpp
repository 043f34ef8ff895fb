#include <gtest/gtest.h>

#include <ostream>

#include "chart/bar_series.h"

namespace orvanta::chart {
namespace {

using enum TSeriesMarksStyle;

struct MarkCase {
  TSeriesMarksStyle Style;
  int Index;
  const char* Expected;
};

void PrintTo(const MarkCase& c, std::ostream* os) {
  *os << "style " << static_cast<int>(c.Style) << " point " << c.Index;
}

class MarkTextTest : public testing::TestWithParam<MarkCase> {
 protected:
  void SetUp() override {
    m_series.Add(13.5833333, "2024-05-03");  // 0
    m_series.Add(8, "2024-05-03");           // 1
    m_series.Add(1234.5, "");                // 2: no label of its own
    m_series.Add(-2.25, "2024-05-07");       // 3
  }
  TBarSeries m_series;
};

TEST_P(MarkTextTest, WritesThePointAsTheStyleSays) {
  const MarkCase& c = GetParam();
  EXPECT_EQ(m_series.MarkText(c.Index, c.Style), c.Expected);
}

// Percentages are of the total of absolute values, 1258.3333333.
INSTANTIATE_TEST_SUITE_P(
    Styles, MarkTextTest,
    testing::Values(MarkCase{smsLabelValue, 0, "2024-05-03 13.583"},
                    MarkCase{smsLabelValue, 1, "2024-05-03 8"},
                    MarkCase{smsLabelValue, 2, "1,234.5 1,234.5"},
                    MarkCase{smsLabelValue, 3, "2024-05-07 -2.25"}, MarkCase{smsValue, 0, "13.583"},
                    MarkCase{smsLabel, 1, "2024-05-03"}, MarkCase{smsLabel, 2, "1,234.5"},
                    MarkCase{smsPercent, 1, "0.64 %"}, MarkCase{smsPercent, 3, "0.18 %"},
                    MarkCase{smsLabelPercent, 2, "1,234.5 98.11 %"}, MarkCase{smsXValue, 3, "3"},
                    MarkCase{smsXY, 1, "1 8"}, MarkCase{smsPointIndex, 2, "2"},
                    MarkCase{smsLabelValue, 4, ""}, MarkCase{smsLabelValue, -1, ""}));

TEST(MarkText, UsesTheSeriesStyleByDefaultAndNeverDividesByZero) {
  TBarSeries s;
  s.Add(0, "2024-03-08");
  EXPECT_EQ(s.MarkText(0), "2024-03-08");
  s.Marks.Style = smsPercent;
  EXPECT_EQ(s.MarkText(0), "0 %");
}

}  // namespace
}  // namespace orvanta::chart
