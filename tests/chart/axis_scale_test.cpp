#include "chart/axis_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace orvanta::chart {
namespace {

AxisScale MakeScale(bool horizontal, double lo, double hi, int start, int end) {
  AxisScale s;
  s.Horizontal = horizontal;
  s.SetRange(lo, hi);
  s.SetPositions(start, end);
  return s;
}

TEST(AxisScale, MapsValuesOntoPixelsRoundingHalvesToEven) {
  AxisScale h = MakeScale(true, 0, 4, 100, 110);
  EXPECT_EQ(h.ValueToPos(0), 100);
  EXPECT_EQ(h.ValueToPos(4), 110);
  EXPECT_EQ(h.ValueToPos(1), 102);  // 102.5
  EXPECT_EQ(h.ValueToPos(3), 108);  // 107.5

  AxisScale v = MakeScale(false, 0, 4, 100, 110);
  EXPECT_EQ(v.ValueToPos(0), 110);
  EXPECT_EQ(v.ValueToPos(4), 100);
  EXPECT_EQ(v.ValueToPos(1), 108);  // 107.5
}

TEST(AxisScale, TheOffsetIsRoundedNotThePosition) {
  // An odd axis end: 21 + Round(2.5) = 23, where Round(23.5) would give 24.
  EXPECT_EQ(MakeScale(true, 0, 2, 21, 26).ValueToPos(1), 23);
  // The chart page's left axis 0..4 on 14..293: 293 - Round(139.5) = 153.
  EXPECT_EQ(MakeScale(false, 0, 4, 14, 293).ValueToPos(2), 153);
}

TEST(AxisScale, PositionsGiveBackTheirValues) {
  AxisScale h = MakeScale(true, -2, 8, 50, 550);
  AxisScale v = MakeScale(false, -2, 8, 50, 550);
  for (int p : {50, 123, 300, 550}) {
    EXPECT_EQ(h.ValueToPos(h.PosToValue(p)), p);
    EXPECT_EQ(v.ValueToPos(v.PosToValue(p)), p);
  }
  EXPECT_DOUBLE_EQ(v.PosToValue(50), 8);
  EXPECT_DOUBLE_EQ(v.PosToValue(550), -2);
}

TEST(AxisScale, ZeroRangeMapsEverythingToTheMiddle) {
  AxisScale s = MakeScale(true, 5, 5, 10, 31);
  EXPECT_TRUE(s.RangeIsZero);
  EXPECT_EQ(s.ValueToPos(5), 20);
  EXPECT_EQ(s.ValueToPos(1e9), 20);
}

TEST(AxisScale, DegenerateAxisHasNoValues) {
  AxisScale s = MakeScale(true, 0, 10, 10, 10);
  EXPECT_EQ(s.PosToValue(10), 0);
}

TEST(AxisScale, HugeAndInvalidValuesStayWithinPixelLimits) {
  AxisScale s = MakeScale(false, 0, 1, 0, 300);
  EXPECT_EQ(s.ValueToPos(1e300), -67108863);
  EXPECT_EQ(s.ValueToPos(-1e300), 67108863);
  EXPECT_EQ(s.ValueToPos(std::numeric_limits<double>::quiet_NaN()), 300);
  AxisScale wide = MakeScale(true, -1e308, 1e308, 0, 300);  // range overflows to infinity
  EXPECT_EQ(wide.ValueToPos(0), 0);
}

TEST(AxisScale, MarginsWidenTheRangeSoTheOldOneFitsInside) {
  // Nine bars on a 620-pixel axis keep 44 pixels free at each end.
  AxisScale s = MakeScale(true, 0, 8, 28, 648);
  s.ExtendByMargins(44, 44);
  EXPECT_EQ(s.StartPos, 28);
  EXPECT_EQ(s.EndPos, 648);
  EXPECT_LT(s.RangeMin, 0);
  EXPECT_GT(s.RangeMax, 8);
  EXPECT_EQ(s.ValueToPos(0), 28 + 44);
  EXPECT_EQ(s.ValueToPos(8), 648 - 44);

  AxisScale v = MakeScale(false, 0, 10, 0, 100);
  v.ExtendByMargins(10, 0);  // room above the tallest value only
  EXPECT_DOUBLE_EQ(v.RangeMin, 0);
  EXPECT_EQ(v.ValueToPos(10), 10);
}

TEST(AxisScale, MarginsWiderThanTheAxisLeaveTheRange) {
  AxisScale s = MakeScale(true, 0, 1, 0, 10);
  s.ExtendByMargins(6, 6);
  EXPECT_DOUBLE_EQ(s.RangeMin, 0);
  EXPECT_DOUBLE_EQ(s.RangeMax, 1);
}

TEST(RoundToInt, SaturatesAndRoundsHalvesToEven) {
  EXPECT_EQ(RoundToInt(0.5), 0);
  EXPECT_EQ(RoundToInt(1.5), 2);
  EXPECT_EQ(RoundToInt(-2.5), -2);
  EXPECT_EQ(RoundToInt(43.4), 43);
  EXPECT_EQ(RoundToInt(1e20), std::numeric_limits<int>::max());
  EXPECT_EQ(RoundToInt(-1e20), std::numeric_limits<int>::min());
}

}  // namespace
}  // namespace orvanta::chart
