#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/default_palette.h"
#include "chart_page_setup.h"
#include "fixed_measurer.h"
#include "support/recording_canvas.h"

namespace orvanta::chart {
namespace {

using test::DrawLog;
using test::RecordingCanvas;
using OpKind = DrawLog::OpKind;

TEST(ChartRect, StartsFromTheMarginsInsideTheFrame) {
  EXPECT_EQ(StartingChartRect({669, 328}, 1, {}), (gfx::Rect{21, 14, 648, 314}));
  EXPECT_EQ(StartingChartRect({100, 50}, 0, {}), (gfx::Rect{3, 2, 97, 48}));
}

TEST(ChartRect, NormalisationNeverTurnsTheRectangleInsideOut) {
  struct Case {
    gfx::Rect In;
    gfx::Rect Out;
  };
  for (Case c : {Case{{21, 14, 648, 314}, {21, 14, 648, 314}},
                 Case{{-5, -3, 40, 30}, {0, 0, 40, 30}},        // kept inside the client area
                 Case{{30, 20, 10, 5}, {30, 20, 31, 21}},       // inverted: one pixel
                 Case{{30, 20, 30, 20}, {30, 20, 130, 70}}}) {  // empty: the client's size
    EXPECT_EQ(NormalizeChartRect(c.In, {100, 50}), c.Out);
  }
}

class ChartPaintTest : public testing::Test {
 protected:
  ChartPaintTest() { SetUpAsChartPage(m_chart, m_series); }

  DrawLog Paint() {
    RecordingCanvas canvas({669, 328});
    m_chart.Paint(canvas);
    return canvas.Log();
  }

  static std::vector<DrawLog::Op> TextsAtY(const DrawLog& c, int y) {
    std::vector<DrawLog::Op> out;
    for (const auto& op : c.Texts()) {
      if (op.Area.Top == y && op.OpFont.Escapement == 0) {
        out.push_back(op);
      }
    }
    return out;
  }

  // Tick lines of the given pen colour and length below the bottom axis.
  std::vector<int> BottomTicks(const DrawLog& c, int length) const {
    std::vector<int> xs;
    int axisPos = m_chart.Layout().Bottom.AxisPos;
    for (const auto& op : c.Lines()) {
      if (op.Area.Left == op.Area.Right && op.Area.Top == axisPos + 1 &&
          op.Area.Bottom == axisPos + 1 + length) {
        xs.push_back(op.Area.Left);
      }
    }
    return xs;
  }

  const BarLayout& Bars() const { return m_chart.Layout().Bars[0]; }

  TChart m_chart;
  TBarSeries& m_series = m_chart.AddSeries();
};

TEST_F(ChartPaintTest, EmptyChartShowsOneZeroPerAxisTheWallBothAxesAndTheTitle) {
  DrawLog c = Paint();
  // Title strip 14, label "0" plus a space 14, line and ticks 7; labels 14 and 7 below.
  EXPECT_EQ(m_chart.ChartRect(), (gfx::Rect{56, 14, 648, 293}));

  std::vector<std::string> texts;
  for (const auto& op : c.Texts()) {
    texts.push_back(op.Text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"0", "(小时)", "0"}));
  auto bottomZero = c.Texts()[0];
  EXPECT_EQ(bottomZero.Area.Left, (56 + 648) / 2 - 3);  // centred on the axis' middle
  EXPECT_EQ(bottomZero.Area.Top, 300);
  auto title = c.Texts()[1];
  EXPECT_EQ(title.OpFont.Escapement, 900);
  EXPECT_EQ(title.Area.Left, 21);                  // from TitlePos - font height ...
  EXPECT_EQ(title.Area.Top, (14 + 293) / 2 + 14);  // ... reading upwards, centred
  auto leftZero = c.Texts()[2];
  EXPECT_EQ(leftZero.Area.Left, 49 - 7);  // right-aligned at the labels' edge
  EXPECT_EQ(leftZero.Area.Top, (14 + 293) / 2 - 7);

  auto rects = c.OfKind(OpKind::Rectangle);
  ASSERT_EQ(rects.size(), 1u);  // the wall, no bar
  EXPECT_EQ(rects[0].Area, (gfx::Rect{56, 14, 649, 294}));
  EXPECT_EQ(rects[0].OpBrush.Style, gfx::BrushStyle::Clear);
  EXPECT_EQ(rects[0].OpPen, (gfx::Pen{gfx::clBlack, 1}));

  auto lines = c.Lines();
  auto axisLine = [&](gfx::Rect r) {
    return std::any_of(lines.begin(), lines.end(), [&](const DrawLog::Op& op) {
      return op.Area == r && op.OpPen == gfx::Pen{gfx::clBlack, 2};
    });
  };
  EXPECT_TRUE(axisLine({56, 293, 648, 293}));
  EXPECT_TRUE(axisLine({56, 14, 56, 293}));
  // One major tick per axis and no minor ticks, which need two majors.
  EXPECT_EQ(BottomTicks(c, 4), (std::vector<int>{352}));
  EXPECT_EQ(lines.size(), 4u);
}

// The layout needs no canvas: measured alone it is the one a paint then keeps and draws, and
// the series is hit-tested on it.
TEST_F(ChartPaintTest, TheLayoutIsMeasuredWithoutACanvas) {
  m_series.Add(0, "2024-03-08");
  m_series.Add(3.5, "2024-03-09");
  FixedMeasurer labels;
  FixedMeasurer titles;
  const ChartLayout layout = m_chart.ComputeLayout(labels, titles);
  EXPECT_TRUE(m_chart.Layout().Bars.empty());  // computing it keeps nothing
  // Title 14, "3.5" and a space 28, line and ticks 7; labels 14 and 7 below.
  EXPECT_EQ(layout.ChartRect, (gfx::Rect{70, 14, 648, 293}));
  EXPECT_EQ(layout.PlotFrame(), (gfx::Rect{70, 14, 649, 294}));
  const gfx::Rect bar = m_series.BarBounds(layout.Bars[0], 1);
  EXPECT_EQ(bar.Top, layout.ChartRect.Top);
  EXPECT_EQ(m_series.Clicked(layout.Bars[0], bar.Left, bar.Top), 1);

  DrawLog c = Paint();
  EXPECT_EQ(m_chart.ChartRect(), layout.ChartRect);
  EXPECT_EQ(m_chart.Clicked(m_series, bar.Left, bar.Top), 1);
  EXPECT_EQ(TextsAtY(c, layout.Bottom.LabelsPos).size(), layout.Bottom.Labels.size());
}

TEST_F(ChartPaintTest, PaintsFillFrameWallAxesThenBarsAndResetsTheCanvas) {
  m_series.Add(2, "2024-03-08");
  RecordingCanvas canvas({669, 328});
  m_chart.Paint(canvas);
  const DrawLog& c = canvas.Log();
  ASSERT_GE(c.Ops.size(), 5u);
  EXPECT_EQ(c.Ops[0].Kind, OpKind::FillRect);
  EXPECT_EQ(c.Ops[0].Area, (gfx::Rect{0, 0, 669, 328}));
  EXPECT_EQ(c.Ops[0].Color, gfx::clWhite);
  // The raised frame: light on top and left, dark on bottom and right.
  EXPECT_EQ(c.Ops[1].Area, (gfx::Rect{0, 0, 668, 1}));
  EXPECT_EQ(c.Ops[1].Color, gfx::clBtnHighlight);
  EXPECT_EQ(c.Ops[2].Area, (gfx::Rect{0, 0, 1, 327}));
  EXPECT_EQ(c.Ops[2].Color, gfx::clBtnHighlight);
  EXPECT_EQ(c.Ops[3].Area, (gfx::Rect{668, 0, 669, 328}));
  EXPECT_EQ(c.Ops[3].Color, gfx::clBtnShadow);
  EXPECT_EQ(c.Ops[4].Area, (gfx::Rect{0, 327, 669, 328}));
  EXPECT_EQ(c.Ops[4].Color, gfx::clBtnShadow);
  EXPECT_EQ(c.Ops[5].Kind, OpKind::Rectangle);  // the wall

  // The bar comes last, clipped to the plotting rectangle and its far frame lines.
  const auto& bar = c.Ops.back();
  EXPECT_EQ(bar.Kind, OpKind::Rectangle);
  gfx::Rect r = m_chart.ChartRect();
  EXPECT_EQ(bar.Clip, (gfx::Rect{r.Left, r.Top, r.Right + 1, r.Bottom + 1}));
  EXPECT_EQ(canvas.ClipBox(), (gfx::Rect{0, 0, 669, 328}));
  EXPECT_EQ(canvas.GetPen(), gfx::Pen{});
  EXPECT_EQ(canvas.GetBrush(), gfx::Brush{});
  EXPECT_EQ(canvas.GetFont(), DefaultChartFont());
}

TEST_F(ChartPaintTest, WorkedExampleThreeDatedBarsOldestLeft) {
  m_series.Add(0, "2024-03-08");
  m_series.Add(3.5, "2024-03-09");
  m_series.Add(0, "2024-03-10");
  DrawLog c = Paint();
  gfx::Rect plot = m_chart.ChartRect();

  auto dates = TextsAtY(c, m_chart.Layout().Bottom.LabelsPos);
  ASSERT_EQ(dates.size(), 3u);
  EXPECT_EQ(dates[0].Text, "2024-03-08");
  EXPECT_EQ(dates[1].Text, "2024-03-09");
  EXPECT_EQ(dates[2].Text, "2024-03-10");
  EXPECT_LT(dates[0].Area.Left, dates[1].Area.Left);
  EXPECT_LT(dates[1].Area.Left, dates[2].Area.Left);

  // The middle bar, 3.5 hours, reaches the top edge; the others are lines on the zero line.
  auto rects = c.OfKind(OpKind::Rectangle);
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[1].Area.Top, plot.Top);
  EXPECT_EQ(rects[1].Area.Bottom, plot.Bottom);
  EXPECT_EQ(rects[1].OpBrush.BrushColor, gfx::clGreen);
  EXPECT_EQ(rects[1].OpPen.PenColor, gfx::clBlack);

  std::vector<DrawLog::Op> zeroLines;
  for (const auto& op : c.Lines()) {
    if (op.Area.Top == plot.Bottom && op.Area.Bottom == plot.Bottom && op.Area.Left > plot.Left) {
      zeroLines.push_back(op);
    }
  }
  ASSERT_EQ(zeroLines.size(), 2u);
  EXPECT_EQ(zeroLines[0].OpPen.PenColor, gfx::clRed);
  EXPECT_EQ(zeroLines[1].OpPen.PenColor, gfx::clYellow);
  EXPECT_EQ(zeroLines[0].Area.Right - zeroLines[0].Area.Left, Bars().BarSize + 1);

  // Each date stands centred under its bar.
  for (int i = 0; i < 3; ++i) {
    gfx::Rect b = m_series.BarBounds(Bars(), i);
    EXPECT_EQ(dates[static_cast<std::size_t>(i)].Area.Left + 35, b.Left + Bars().BarSize / 2);
  }
  auto values = c.Texts();
  EXPECT_EQ(values.back().Text, "0");                  // the value labels end at 0 ...
  EXPECT_EQ(values.back().Area.Top, plot.Bottom - 7);  // ... on the zero line
}

TEST_F(ChartPaintTest, CrowdedDateLabelsAreSkippedWithTheirTicks) {
  for (int day = 1; day <= 60; ++day) {
    std::string date = "2024-05-" + std::string(day < 10 ? "0" : "") + std::to_string(day);
    m_series.Add(day % 7, date);
  }
  DrawLog c = Paint();
  auto dates = TextsAtY(c, m_chart.Layout().Bottom.LabelsPos);
  ASSERT_GT(dates.size(), 2u);
  EXPECT_LT(dates.size(), 60u);
  EXPECT_EQ(dates.front().Text, "2024-05-01");

  std::vector<int> centres;
  for (const auto& op : dates) {
    centres.push_back(op.Area.Left + 35);
  }
  for (std::size_t i = 1; i < centres.size(); ++i) {
    EXPECT_GE(centres[i] - centres[i - 1], 35 + 42) << i;  // half a label plus 10 % each side
  }
  EXPECT_EQ(BottomTicks(c, 4), centres);
  // Minor ticks fall between the shown dates, three to a gap.
  std::vector<int> minor = BottomTicks(c, 2);
  EXPECT_GE(minor.size(), 3 * (centres.size() - 1));
}

TEST_F(ChartPaintTest, EveryBarTakesItsPaletteColour) {
  for (int i = 0; i < 22; ++i) {
    m_series.Add(1 + i % 3, "d");
  }
  DrawLog c = Paint();
  auto rects = c.OfKind(OpKind::Rectangle);
  ASSERT_EQ(rects.size(), 23u);  // the wall and 22 bars
  for (int i = 0; i < 22; ++i) {
    const auto& bar = rects[static_cast<std::size_t>(i + 1)];
    EXPECT_EQ(bar.OpBrush.BrushColor, DefaultPalette[static_cast<std::size_t>(i % 20)]) << i;
    EXPECT_EQ(bar.OpPen.PenColor, gfx::clBlack) << i;
  }
  EXPECT_EQ(rects[21].OpBrush.BrushColor, gfx::clRed);   // the 21st bar
  EXPECT_EQ(rects[5].OpBrush.BrushColor, gfx::clWhite);  // the 5th, seen by its outline
}

TEST_F(ChartPaintTest, LargeValuesAreLabelledWithGrouping) {
  m_series.Add(1200, "a");
  m_series.Add(300, "b");
  DrawLog c = Paint();
  std::vector<std::string> left;
  for (const auto& op : c.Texts()) {
    if (op.Area.Left + RecordingCanvas::Chars(op.Text) * 7 == m_chart.Layout().Left.LabelsPos) {
      left.push_back(op.Text);
    }
  }
  ASSERT_FALSE(left.empty());
  EXPECT_EQ(left.front(), "1,200");
  EXPECT_EQ(left.back(), "0");
}

TEST_F(ChartPaintTest, InactiveSeriesAndHiddenAxesAreLeftOut) {
  m_series.Add(5, "x");
  m_series.Active = false;
  m_chart.LeftAxis.Visible = false;
  DrawLog c = Paint();
  EXPECT_EQ(c.OfKind(OpKind::Rectangle).size(), 1u);
  EXPECT_TRUE(c.Texts().empty());  // no series: the bottom axis has nothing to label
  EXPECT_EQ(m_chart.ChartRect().Left, 21);
}

}  // namespace
}  // namespace orvanta::chart
