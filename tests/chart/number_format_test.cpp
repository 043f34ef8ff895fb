#include "chart/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace orvanta::chart {
namespace {

struct FormatCase {
  const char* Picture;
  double Value;
  const char* Expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << '"' << c.Picture << "\" " << c.Value;
}

class FormatFloatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatFloatTest, FormatsAsThePictureSays) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatFloat(c.Picture, c.Value), c.Expected) << c.Picture << " " << c.Value;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    AxisPattern, FormatFloatTest,
    testing::Values(
        FormatCase{"#,##0.###", 0, "0"}, FormatCase{"#,##0.###", 8, "8"},
        FormatCase{"#,##0.###", 13.5833333, "13.583"}, FormatCase{"#,##0.###", 3.5, "3.5"},
        FormatCase{"#,##0.###", 0.1, "0.1"}, FormatCase{"#,##0.###", 0.30000000000000004, "0.3"},
        FormatCase{"#,##0.###", 1200, "1,200"}, FormatCase{"#,##0.###", 999.9996, "1,000"},
        FormatCase{"#,##0.###", 1234567.5, "1,234,567.5"},
        FormatCase{"#,##0.###", 100000, "100,000"}, FormatCase{"#,##0.###", -1200.25, "-1,200.25"},
        FormatCase{"#,##0.###", -0.5, "-0.5"},
        // Below half of the last decimal: no sign on the zero that remains.
        FormatCase{"#,##0.###", -0.0004, "0"}, FormatCase{"#,##0.###", 1e-17, "0"},
        // Halves are rounded away from zero on the decimal digits.
        FormatCase{"#,##0.###", 2.0005, "2.001"}, FormatCase{"#,##0.###", 0.0005, "0.001"},
        FormatCase{"#,##0.###", -2.0005, "-2.001"}, FormatCase{"#,##0.###", 1.2344999, "1.234"},
        FormatCase{"#,##0.###", 1e18, "1,000,000,000,000,000,000"},
        FormatCase{"#,##0.###", kInf, "INF"}, FormatCase{"#,##0.###", -kInf, "-INF"},
        FormatCase{"#,##0.###", std::numeric_limits<double>::quiet_NaN(), "NAN"}));

INSTANTIATE_TEST_SUITE_P(
    OtherPictures, FormatFloatTest,
    testing::Values(FormatCase{"##0.## %", 12.345, "12.35 %"}, FormatCase{"##0.## %", 100, "100 %"},
                    FormatCase{"##0.## %", 0, "0 %"}, FormatCase{"##0.## %", 33.3333, "33.33 %"},
                    FormatCase{"0.00", 1.5, "1.50"}, FormatCase{"#.##", 0.25, ".25"},
                    FormatCase{"000", 7, "007"}, FormatCase{"0", 2.5, "3"},
                    FormatCase{"0", 1234567, "1234567"}));

TEST(FormatFloat, HugeValuesKeepEveryIntegerDigit) {
  std::string text = FormatFloat("#,##0.###", 1.5e300);
  EXPECT_EQ(text.substr(0, 6), "1,500,");
  EXPECT_EQ(text.size(), 301u + 100u);  // 301 digits and a separator per group of three
}

}  // namespace
}  // namespace orvanta::chart
