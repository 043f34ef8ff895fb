#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/marks_tip_tool.h"
#include "chart_page_setup.h"
#include "gfx/png_writer.h"
#include "gfx/raster_canvas.h"
#include "support/box_glyph_source.h"

namespace orvanta::chart {
namespace {

constexpr gfx::Pixel kWhite = 0xFFFFFF;
constexpr gfx::Pixel kBlack = 0x000000;
constexpr gfx::Pixel kGray = 0x808080;  // ticks, and the panel's dark frame
constexpr gfx::Pixel kRed = 0xFF0000;
constexpr gfx::Pixel kGreen = 0x008000;
constexpr gfx::Pixel kYellow = 0xFFFF00;

// The chart of the chart page, 669 x 328, painted by the raster canvas with box glyphs of
// exactly known size (em 11: line cell 11 high, digits 5 wide, "W" and CJK 11 wide).
class ChartRenderTest : public testing::Test {
 protected:
  ChartRenderTest() { SetUpAsChartPage(m_chart, m_series); }

  void Paint(const std::string& name) {
    m_bitmap.Resize(669, 328, 0x123456);
    gfx::RasterCanvas canvas(m_bitmap, m_glyphs, m_palette);
    m_chart.Paint(canvas);
    std::filesystem::path dir = std::filesystem::path(ORVANTA_BINARY_DIR) / "render";
    std::filesystem::create_directories(dir);
    gfx::WritePng(m_bitmap, (dir / ("chart_" + name + ".png")).string());
  }

  gfx::Pixel At(int x, int y) const { return m_bitmap.At(x, y); }
  // Pixels that are neither white nor black nor grey: text is black here, so any ink that
  // differs from the white background inside a label's cell.
  int InkIn(const gfx::Rect& r) const {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        n += At(x, y) != kWhite ? 1 : 0;
      }
    }
    return n;
  }
  gfx::Rect InkBounds(const gfx::Rect& area) const {
    gfx::Rect b{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y) {
      for (int x = area.Left; x < area.Right; ++x) {
        if (At(x, y) != kWhite) {
          b = {std::min(b.Left, x), std::min(b.Top, y), std::max(b.Right, x + 1),
               std::max(b.Bottom, y + 1)};
        }
      }
    }
    return b;
  }

  gfx::SystemPalette m_palette = gfx::SystemPalette::Classic();
  test::BoxGlyphSource m_glyphs;
  gfx::Bitmap m_bitmap;
  const BarLayout& Bars() const { return m_chart.Layout().Bars[0]; }

  TChart m_chart;
  TBarSeries& m_series = m_chart.AddSeries();
};

TEST_F(ChartRenderTest, PanelFrameAndBackWall) {
  Paint("empty");
  EXPECT_EQ(At(0, 0), kWhite);  // light top-left edges of the raised frame
  EXPECT_EQ(At(0, 200), kWhite);
  EXPECT_EQ(At(668, 100), kGray);  // dark bottom-right edges
  EXPECT_EQ(At(300, 327), kGray);
  EXPECT_EQ(At(1, 1), kWhite);  // the panel itself

  gfx::Rect plot = m_chart.ChartRect();
  // The wall's frame at the top and right edges; inside it, nothing.
  EXPECT_EQ(At(300, plot.Top), kBlack);
  EXPECT_EQ(At(plot.Right, 100), kBlack);
  EXPECT_EQ(At(plot.Right + 1, 100), kWhite);
  EXPECT_EQ(At(300, plot.Top + 1), kWhite);
  EXPECT_EQ(At(plot.Right - 1, plot.Top + 5), kWhite);
}

TEST_F(ChartRenderTest, EmptyChartShowsZeroMidAxisBothAxisLinesAndTheTitle) {
  Paint("empty");
  gfx::Rect plot = m_chart.ChartRect();
  const AxisLayout& left = m_chart.Layout().Left;
  const AxisLayout& bottom = m_chart.Layout().Bottom;

  // Two-pixel axis lines over the wall's left and bottom edges.
  for (int y : {plot.Top + 10, plot.Bottom - 10}) {
    EXPECT_EQ(At(left.AxisPos - 1, y), kBlack);
    EXPECT_EQ(At(left.AxisPos, y), kBlack);
    EXPECT_EQ(At(left.AxisPos - 2, y), kWhite);
  }
  for (int x : {plot.Left + 10, plot.Right - 10}) {
    EXPECT_EQ(At(x, bottom.AxisPos - 1), kBlack);
    EXPECT_EQ(At(x, bottom.AxisPos), kBlack);
    EXPECT_EQ(At(x, bottom.AxisPos + 2), kWhite);
  }

  // "0" in the middle of each axis, with its tick.
  int midX = bottom.Scale.CenterPos;
  gfx::Rect zeroBelow = InkBounds({plot.Left, bottom.LabelsPos, plot.Right, bottom.LabelsPos + 11});
  EXPECT_EQ(zeroBelow.Left, midX - 2);
  EXPECT_EQ(zeroBelow.Right, midX + 2);
  EXPECT_EQ(At(midX, bottom.AxisPos + 4), kGray);
  int midY = left.Scale.CenterPos;
  gfx::Rect zeroLeft = InkBounds({left.TitlePos, plot.Top, left.LabelsPos, plot.Bottom});
  EXPECT_EQ(zeroLeft.Right, left.LabelsPos - 1);  // right-aligned; the box leaves a column
  EXPECT_LE(zeroLeft.Top, midY);
  EXPECT_GE(zeroLeft.Bottom, midY);
  EXPECT_EQ(At(left.AxisPos - 4, midY), kGray);

  // The title reads upwards in the strip left of the labels, centred on the axis.
  gfx::Rect title = InkBounds({0 + 2, plot.Top, left.TitlePos, plot.Bottom});
  EXPECT_GE(title.Left, left.TitlePos - 11);
  EXPECT_GT(title.Height(), title.Width());
  EXPECT_NEAR((title.Top + title.Bottom) / 2, midY, 3);
}

TEST_F(ChartRenderTest, WorkedExampleMiddleBarReachesTheTopZeroBarsAreLines) {
  m_series.Add(0, "2024-03-08");
  m_series.Add(3.5, "2024-03-09");
  m_series.Add(0, "2024-03-10");
  Paint("worked_example");
  gfx::Rect plot = m_chart.ChartRect();

  gfx::Rect middle = m_series.BarBounds(Bars(), 1);
  EXPECT_EQ(middle.Top, plot.Top);
  int cx = (middle.Left + middle.Right) / 2;
  EXPECT_EQ(At(cx, plot.Top), kBlack);  // the bar's outline on the top edge
  EXPECT_EQ(At(cx, plot.Top + 1), kGreen);
  EXPECT_EQ(At(cx, plot.Bottom - 2), kGreen);
  EXPECT_EQ(At(middle.Left, plot.Top + 50), kBlack);
  EXPECT_EQ(At(middle.Right - 1, plot.Top + 50), kBlack);
  EXPECT_EQ(At(middle.Right, plot.Top + 50), kWhite);

  // The first and the last bar: lines of their own colour on the zero line, over the axis.
  for (auto [index, colour] : {std::pair{0, kRed}, std::pair{2, kYellow}}) {
    gfx::Rect r = m_series.BarBounds(Bars(), index);
    EXPECT_EQ(At(r.Left, plot.Bottom), colour);
    EXPECT_EQ(At(r.Right - 1, plot.Bottom), colour);
    EXPECT_EQ(At(r.Right, plot.Bottom), kBlack);
    EXPECT_EQ(At(r.Left + 5, plot.Bottom - 1), kBlack);  // the axis line above it
    EXPECT_EQ(At(r.Left + 5, plot.Bottom - 2), kWhite);
  }

  // Three date labels centred under their bars, oldest on the left.
  for (int i = 0; i < 3; ++i) {
    gfx::Rect b = m_series.BarBounds(Bars(), i);
    int centre = b.Left + Bars().BarSize / 2;
    gfx::Rect ink = InkBounds({centre - 40, m_chart.Layout().Bottom.LabelsPos, centre + 40,
                               m_chart.Layout().Bottom.LabelsPos + 11});
    EXPECT_NEAR((ink.Left + ink.Right) / 2, centre, 1) << i;
    EXPECT_EQ(At(centre, m_chart.Layout().Bottom.AxisPos + 4), kGray) << i;
  }
}

TEST_F(ChartRenderTest, PaletteColoursAndTheWhiteBarsOutline) {
  for (int i = 0; i < 21; ++i) {
    m_series.Add(2 + i % 2, "");
  }
  Paint("palette");
  auto fill = [&](int i) {
    gfx::Rect r = m_series.BarBounds(Bars(), i);
    return At((r.Left + r.Right) / 2, r.Bottom - 3);
  };
  EXPECT_EQ(fill(0), kRed);
  EXPECT_EQ(fill(20), kRed);
  EXPECT_EQ(fill(1), kGreen);
  EXPECT_EQ(fill(4), kWhite);
  gfx::Rect white = m_series.BarBounds(Bars(), 4);
  EXPECT_EQ(At(white.Left, white.Bottom - 3), kBlack);
  EXPECT_EQ(At(white.Right - 1, white.Bottom - 3), kBlack);
  EXPECT_EQ(At((white.Left + white.Right) / 2, white.Top), kBlack);
}

TEST_F(ChartRenderTest, CrowdedDatesKeepTicksOnlyUnderTheShownLabels) {
  for (int day = 1; day <= 90; ++day) {
    int month = 1 + (day - 1) / 30;
    int dom = 1 + (day - 1) % 30;
    char date[16];
    std::snprintf(date, sizeof date, "2024-%02d-%02d", month, dom);
    m_series.Add(1 + day % 5, date);
  }
  Paint("crowded_dates");
  const AxisLayout& bottom = m_chart.Layout().Bottom;
  const std::vector<int> ticks = bottom.TickPositions();
  ASSERT_GT(ticks.size(), 2u);
  ASSERT_LT(ticks.size(), 90u);
  EXPECT_EQ(ticks.front(), m_series.BarBounds(Bars(), 0).Left + Bars().BarSize / 2);
  // Row 4 below the axis holds only major ticks (minor ones are two pixels long).
  int row = bottom.AxisPos + 4;
  std::vector<int> grey;
  for (int x = bottom.Scale.StartPos; x < bottom.Scale.EndPos; ++x) {
    if (At(x, row) == kGray) {
      grey.push_back(x);
    }
  }
  EXPECT_EQ(grey, ticks);
  // Each shown label has ink above its tick, and the gaps between ticks carry minor ticks.
  for (int t : ticks) {
    EXPECT_GT(InkIn({t - 3, bottom.LabelsPos, t + 3, bottom.LabelsPos + 11}), 0) << t;
  }
  int minor = (ticks[0] + ticks[1]) / 2;
  int minorRow = bottom.AxisPos + 2;
  int found = 0;
  for (int x = ticks[0] + 1; x < ticks[1]; ++x) {
    found += At(x, minorRow) == kGray ? 1 : 0;
  }
  EXPECT_EQ(found, 3) << minor;
}

TEST_F(ChartRenderTest, TheRubberBandInvertsWhatItCrosses) {
  m_series.Add(5, "a");
  m_chart.MouseEvent({ChartMouseKind::Down, ChartMouseButton::Left, 0, 100, 40});
  m_chart.MouseEvent({ChartMouseKind::Move, ChartMouseButton::None, 0, 300, 200});
  Paint("rubber_band");
  EXPECT_EQ(At(200, 40), kBlack);  // white panel inverted
  EXPECT_EQ(At(100, 120), kBlack);
  EXPECT_EQ(At(200, 41), kWhite);  // inside the band nothing changes
}

}  // namespace
}  // namespace orvanta::chart

namespace orvanta::chart {
namespace {

// Values no run produces and sizes no window keeps must still paint without harm.
TEST(ChartRobustness, HostileValuesAndTinySizesPaint) {
  gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  test::BoxGlyphSource glyphs;
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<std::vector<double>> valueSets = {
      {1e300, -1e300, 0}, {std::nan(""), 2, 3}, {inf, 1}, {-inf}, {1e-300, 2e-300}, {}};
  for (gfx::Size size : {gfx::Size{0, 0}, gfx::Size{1, 1}, gfx::Size{7, 5}, gfx::Size{40, 30},
                         gfx::Size{669, 328}}) {
    for (const auto& values : valueSets) {
      TChart chart;
      chart.SetSize(size);
      TBarSeries& series = chart.AddSeries();
      series.ColorEachPoint = true;
      for (double v : values) {
        series.Add(v, "2024-05-03");
      }
      chart.AddTool<TMarksTipTool>();
      gfx::Bitmap bitmap(size.Width, size.Height);
      gfx::RasterCanvas canvas(bitmap, glyphs, palette);
      chart.Paint(canvas);
      for (int x = -2; x < size.Width + 2; x += 3) {
        chart.MouseEvent({ChartMouseKind::Move, ChartMouseButton::None, 0, x, size.Height / 2});
      }
      chart.MouseWheel(3);
      chart.Paint(canvas);
    }
  }
}

}  // namespace
}  // namespace orvanta::chart
