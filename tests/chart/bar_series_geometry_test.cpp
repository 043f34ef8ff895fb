#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "chart/bar_series.h"

namespace orvanta::chart {
namespace {

// Lays the series out as a chart would on a plotting rectangle from (left, top) to
// (right, bottom).
BarLayout LayOut(const TBarSeries& s, int left, int top, int right, int bottom) {
  int n = s.Count();
  BarLayout g = s.Prepare(1, 1, n > 0 ? n + 1 : 0);
  AxisScale x;
  x.SetRange(s.MinXValue(), s.MaxXValue());
  x.SetPositions(left, right);
  s.CalcBarSize(g, x.AxisSize, x.Range);
  x.ExtendByMargins(g.BarMargin, g.BarMargin);
  AxisScale y;
  y.Horizontal = false;
  y.SetRange(s.MinYValue(), s.MaxYValue());
  y.SetPositions(top, bottom);
  s.SetScales(g, x, y);
  return g;
}

TBarSeries WithValues(const std::vector<double>& values) {
  TBarSeries s;
  s.ColorEachPoint = true;
  for (double v : values) {
    s.Add(v, "2024-05-03");
  }
  return s;
}

TEST(BarSize, NinePointsOnSixHundredTwentyPixels) {
  TBarSeries s = WithValues({1, 2, 3, 4, 5, 6, 7, 8, 9});
  const BarLayout g = LayOut(s, 28, 14, 648, 293);
  EXPECT_EQ(g.SlotCount, 10);
  EXPECT_EQ(g.BarSize, 44);  // Round(0.7 * 62) = 43, made even
  EXPECT_EQ(g.BarMargin, 44);
  EXPECT_EQ(s.BarBounds(g, 0).Left, 28 + 44 - 22);
  EXPECT_EQ(s.BarBounds(g, 8).Left, 648 - 44 - 22);
  EXPECT_EQ(s.BarBounds(g, 0).Width(), 45);  // the bar and its right outline
}

TEST(BarSize, AnExactHalfRoundsToEven) {
  // Slots of 15, 35 and 55 pixels give 10.5, 24.5 and 38.5: rounded to 10, 24 and 38.
  struct Case {
    int Points;
    int Pixels;
    int BarSize;
  };
  for (Case c : {Case{40, 620, 10}, Case{9, 350, 24}, Case{9, 550, 38}}) {
    TBarSeries s = WithValues(std::vector<double>(c.Points, 1.0));
    const BarLayout g = LayOut(s, 0, 0, c.Pixels, 300);
    EXPECT_EQ(g.BarSize, c.BarSize) << c.Points << " points on " << c.Pixels << " pixels";
  }
}

TEST(BarSize, OnePointStandsInTheMiddleBetweenTwoMargins) {
  TBarSeries s = WithValues({3});
  const BarLayout g = LayOut(s, 0, 0, 400, 300);
  EXPECT_EQ(g.SlotCount, 2);
  EXPECT_EQ(g.BarSize, 140);
  gfx::Rect r = s.BarBounds(g, 0);
  EXPECT_EQ(r.Left, 200 - 70);
  EXPECT_EQ(r.Right, 200 + 70 + 1);
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Bottom, 300);
}

TEST(BarSize, OtherSizingRules) {
  TBarSeries s = WithValues({1, 2, 3});
  BarLayout g = s.Prepare(2, 1, 4);  // two series side by side
  s.CalcBarSize(g, 400, 2);
  EXPECT_EQ(g.BarSize, 36);  // Round(0.7 * 100) div 2 = 35, made even
  EXPECT_EQ(g.BarMargin, 72);
  s.CustomBarWidth = 9;
  s.CalcBarSize(g, 400, 2);
  EXPECT_EQ(g.BarSize, 9);
  s.CustomBarWidth = 0;
  s.SideMargins = false;
  s.CalcBarSize(g, 400, 2);
  EXPECT_EQ(g.BarMargin, 36);
  g = s.Prepare(1, 1, 0);
  s.CalcBarSize(g, 400, 2);
  EXPECT_EQ(g.BarSize, 0);
  g = s.Prepare(1, 1, 4);
  s.CalcBarSize(g, -20, 2);  // a chart squeezed to nothing
  EXPECT_EQ(g.BarSize, 0);
}

TEST(BarBounds, ValueZeroHasNoHeightAndNegativeValuesHangBelowTheOrigin) {
  TBarSeries s = WithValues({0, 3.5, 0, -1});
  const BarLayout g = LayOut(s, 0, 0, 500, 450);
  gfx::Rect zero = s.BarBounds(g, 0);
  EXPECT_EQ(zero.Top, zero.Bottom);
  EXPECT_EQ(zero.Top, s.BarBounds(g, 1).Bottom);
  EXPECT_EQ(s.BarBounds(g, 1).Top, 0);
  EXPECT_GT(s.BarBounds(g, 3).Top, s.BarBounds(g, 3).Bottom);
  EXPECT_EQ(s.BarBounds(g, 3).Top, 450);

  s.BarPen.Visible = false;  // without an outline the bar grows by it downwards and right
  EXPECT_EQ(s.BarBounds(g, 1).Bottom, zero.Bottom + 1);
  EXPECT_EQ(s.BarBounds(g, 3).Top, 451);
  EXPECT_EQ(s.BarBounds(g, 1).Width(), g.BarSize + 2);
}

TEST(Clicked, FindsTheBarUnderThePointEdgesIncluded) {
  TBarSeries s = WithValues({2, 4, 0, 1});
  const BarLayout g = LayOut(s, 0, 0, 500, 400);
  gfx::Rect b1 = s.BarBounds(g, 1);
  EXPECT_EQ(s.Clicked(g, b1.Left, b1.Top), 1);
  EXPECT_EQ(s.Clicked(g, b1.Left + g.BarSize, b1.Bottom), 1);
  EXPECT_EQ(s.Clicked(g, b1.Left - 1, b1.Bottom - 5), -1);              // the gap before it
  EXPECT_EQ(s.Clicked(g, b1.Left + g.BarSize + 1, b1.Bottom - 5), -1);  // the gap after it
  gfx::Rect b0 = s.BarBounds(g, 0);
  EXPECT_EQ(s.Clicked(g, b0.Left + 3, b0.Top - 1), -1);  // above the bar

  // A bar of value 0 is hit on its one row only.
  gfx::Rect zero = s.BarBounds(g, 2);
  EXPECT_EQ(s.Clicked(g, zero.Left + 5, zero.Top), 2);
  EXPECT_EQ(s.Clicked(g, zero.Left + 5, zero.Top - 1), -1);
  EXPECT_EQ(s.Clicked(g, zero.Left + 5, zero.Top + 1), -1);
}

TEST(Clicked, NothingBeforeAPaintOrAfterClear) {
  TBarSeries s = WithValues({2, 4});
  EXPECT_EQ(s.Clicked(BarLayout{}, 10, 10), -1);
  const BarLayout g = LayOut(s, 0, 0, 300, 300);
  int x = s.BarBounds(g, 0).Left;
  EXPECT_EQ(s.Clicked(g, x, 299), 0);
  s.Clear();
  EXPECT_EQ(s.Clicked(g, x, 299), -1);
  EXPECT_EQ(s.BarBounds(g, 0), gfx::Rect{});
}

// The bisection must give what a scan from the first visible bar gives, also where thin
// bars share pixels.
TEST(Clicked, AgreesWithAScanInIndexOrder) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> value(-2, 10);
  for (int n : {1, 2, 9, 250, 2000, 10000}) {
    std::vector<double> values(static_cast<std::size_t>(n));
    for (double& v : values) {
      v = random() % 5 == 0 ? 0 : value(random);
    }
    TBarSeries s = WithValues(values);
    const BarLayout g = LayOut(s, 56, 14, 648, 293);
    auto scan = [&](int x, int y) {
      for (int i = g.FirstVisibleIndex; i <= g.LastVisibleIndex; ++i) {
        gfx::Rect r = s.BarBounds(g, i);
        if (r.Left <= x && x <= r.Left + g.BarSize && std::min(r.Top, r.Bottom) <= y &&
            y <= std::max(r.Top, r.Bottom)) {
          return i;
        }
      }
      return -1;
    };
    for (int x = 50; x <= 655; x += n >= 2000 ? 11 : 1) {
      for (int y : {10, 14, 100, 200, 250, 292, 293, 300}) {
        ASSERT_EQ(s.Clicked(g, x, y), scan(x, y)) << n << " points at " << x << "," << y;
      }
    }
  }
}

TEST(VisibleRange, PointsOutsideAFixedRangeAreLeftOut) {
  TBarSeries s = WithValues({1, 2, 3, 4, 5, 6});
  BarLayout g = s.Prepare(1, 1, 7);
  AxisScale x;
  x.SetRange(1.5, 4);
  x.SetPositions(0, 500);
  AxisScale y;
  y.Horizontal = false;
  y.SetRange(0, 6);
  y.SetPositions(0, 300);
  s.SetScales(g, x, y);
  EXPECT_EQ(g.FirstVisibleIndex, 2);
  EXPECT_EQ(g.LastVisibleIndex, 4);
  x.SetRange(10, 12);
  s.SetScales(g, x, y);
  EXPECT_EQ(g.FirstVisibleIndex, -1);
  EXPECT_EQ(g.LastVisibleIndex, -1);
}

}  // namespace
}  // namespace orvanta::chart
