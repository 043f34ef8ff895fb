#include "chart/bar_series.h"

#include <gtest/gtest.h>

#include "chart/default_palette.h"

namespace orvanta::chart {
namespace {

TEST(TBarSeries, AddPlacesEachPointAtTheNextPosition) {
  TBarSeries series;
  int changes = 0;
  series.OnChanged = [&changes] { ++changes; };
  EXPECT_EQ(series.Add(2.5, "a"), 0);
  EXPECT_EQ(series.Add(-1, ""), 1);
  EXPECT_EQ(series.Add(4, "c"), 2);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(series.Count(), 3);
  EXPECT_EQ(series.XValues.Values(), (std::vector<double>{0, 1, 2}));
  EXPECT_EQ(series.YValues.Values(), (std::vector<double>{2.5, -1, 4}));
  EXPECT_EQ(series.Label(0), "a");
  EXPECT_EQ(series.Label(1), "");
  EXPECT_EQ(series.Label(2), "c");
  EXPECT_EQ(series.Label(7), "");
  EXPECT_TRUE(series.HasLabels());
  EXPECT_EQ(series.MinXValue(), 0);
  EXPECT_EQ(series.MaxXValue(), 2);
}

TEST(TBarSeries, LabelsStartWithTheFirstNonEmptyOne) {
  TBarSeries series;
  series.Add(1, "");
  series.Add(1, "");
  EXPECT_FALSE(series.HasLabels());
  series.Add(1, "third");
  EXPECT_EQ(series.Label(0), "");
  EXPECT_EQ(series.Label(2), "third");
  series.Add(1, "");
  EXPECT_EQ(series.Label(3), "");
}

TEST(TBarSeries, ValueAxisAlwaysSpansTheOrigin) {
  TBarSeries series;
  series.Add(3, "");
  series.Add(5, "");
  EXPECT_EQ(series.MinYValue(), 0);
  EXPECT_EQ(series.MaxYValue(), 5);
  series.Clear();
  series.Add(-2, "");
  EXPECT_EQ(series.MinYValue(), -2);
  EXPECT_EQ(series.MaxYValue(), 0);
  series.UseYOrigin = false;
  EXPECT_EQ(series.MaxYValue(), -2);
}

TEST(TBarSeries, EachPointTakesItsPaletteColourUnlessItHasItsOwn) {
  TBarSeries series;
  series.ColorEachPoint = true;
  for (int i = 0; i < 21; ++i) {
    series.Add(i, "");
  }
  EXPECT_EQ(series.ValueColor(0), gfx::clRed);
  EXPECT_EQ(series.ValueColor(1), gfx::clGreen);
  EXPECT_EQ(series.ValueColor(4), gfx::clWhite);
  EXPECT_EQ(series.ValueColor(20), gfx::clRed);
  for (std::size_t i = 0; i < DefaultPalette.size(); ++i) {
    EXPECT_EQ(series.ValueColor(static_cast<int>(i)), DefaultPalette[i]);
  }
  // A point with its own colour creates the colour list; earlier points stay automatic.
  series.Add(1, "", gfx::clNavy);
  EXPECT_EQ(series.ValueColor(21), gfx::clNavy);
  EXPECT_EQ(series.ValueColor(3), gfx::clBlue);
  series.Add(1, "", gfx::AutoColor);
  EXPECT_EQ(series.ValueColor(22), DefaultPalette[2]);

  series.ColorEachPoint = false;
  series.SeriesColor = gfx::clTeal;
  EXPECT_EQ(series.ValueColor(0), gfx::clTeal);
  EXPECT_EQ(series.ValueColor(21), gfx::clNavy);
}

TEST(TBarSeries, ClearRemovesEverythingAndStartsAgainAtZero) {
  TBarSeries series;
  series.ColorEachPoint = true;
  series.Add(1, "a", gfx::clNavy);
  BarLayout before = series.Prepare(1, 1, 2);
  before.FirstVisibleIndex = 0;
  before.LastVisibleIndex = 0;
  series.Clear();
  EXPECT_EQ(series.Count(), 0);
  // Nothing is in view afterwards: not in a fresh layout, and a layout from before the
  // clearing draws and hits nothing.
  BarLayout after = series.Prepare(1, 1, 0);
  series.SetScales(after, before.XScale, before.YScale);
  EXPECT_EQ(after.FirstVisibleIndex, -1);
  EXPECT_EQ(after.LastVisibleIndex, -1);
  EXPECT_EQ(series.Clicked(before, before.XScale.CenterPos, before.YScale.CenterPos), -1);
  EXPECT_EQ(series.BarBounds(before, 0), gfx::Rect{});
  EXPECT_FALSE(series.HasLabels());
  EXPECT_EQ(series.Add(7, ""), 0);
  EXPECT_EQ(series.XValue(0), 0);
  EXPECT_EQ(series.ValueColor(0), gfx::clRed);  // the colour list went with the points
}

}  // namespace
}  // namespace orvanta::chart
