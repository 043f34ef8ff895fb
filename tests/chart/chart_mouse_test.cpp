#include <gtest/gtest.h>

#include "chart/chart.h"
#include "support/recording_canvas.h"

namespace orvanta::chart {
namespace {

using test::DrawLog;
using test::RecordingCanvas;

class ChartMouseTest : public testing::Test {
 protected:
  ChartMouseTest() {
    m_chart.SetSize({669, 328});
    for (double v : {2.0, 6.0, 4.0, 8.0, 1.0}) {
      m_series.Add(v, "2024-01-01");
    }
    m_chart.OnInvalidate = [this] { ++m_invalidations; };
    Paint();
  }

  DrawLog Paint() {
    RecordingCanvas canvas({669, 328});
    m_chart.Paint(canvas);
    return canvas.Log();
  }
  void Send(ChartMouseKind kind, ChartMouseButton button, int x, int y) {
    m_chart.MouseEvent({kind, button, 0, x, y});
  }
  void Drag(ChartMouseButton button, gfx::Point from, gfx::Point to) {
    Send(ChartMouseKind::Down, button, from.X, from.Y);
    Send(ChartMouseKind::Move, ChartMouseButton::None, (from.X + to.X) / 2, (from.Y + to.Y) / 2);
    Send(ChartMouseKind::Move, ChartMouseButton::None, to.X, to.Y);
    Send(ChartMouseKind::Up, button, to.X, to.Y);
  }

  TChart m_chart;
  TBarSeries& m_series = m_chart.AddSeries();
  int m_invalidations = 0;
};

TEST_F(ChartMouseTest, ChangesToThePointsAskForARepaint) {
  int before = m_invalidations;
  m_series.Add(3, "x");
  m_series.Clear();
  EXPECT_EQ(m_invalidations, before + 2);
}

TEST_F(ChartMouseTest, DraggingRightZoomsToTheRectangle) {
  const AxisScale x = m_chart.Layout().Bottom.Scale;
  const AxisScale y = m_chart.Layout().Left.Scale;
  Drag(ChartMouseButton::Left, {200, 60}, {400, 200});
  EXPECT_TRUE(m_chart.Zoomed());
  EXPECT_DOUBLE_EQ(m_chart.BottomAxis.Minimum, x.PosToValue(200));
  EXPECT_DOUBLE_EQ(m_chart.BottomAxis.Maximum, x.PosToValue(400));
  EXPECT_DOUBLE_EQ(m_chart.LeftAxis.Minimum, y.PosToValue(200));
  EXPECT_DOUBLE_EQ(m_chart.LeftAxis.Maximum, y.PosToValue(60));

  // Fixed ranges get no bar margins: the zoomed values span the whole plotting rectangle.
  Paint();
  EXPECT_DOUBLE_EQ(m_chart.Layout().Bottom.Scale.RangeMin, x.PosToValue(200));
  EXPECT_EQ(m_chart.Layout().Bars[0].FirstVisibleIndex, 1);
  EXPECT_EQ(m_chart.Layout().Bars[0].LastVisibleIndex, 2);

  Drag(ChartMouseButton::Left, {400, 200}, {200, 60});  // leftwards: undo
  EXPECT_FALSE(m_chart.Zoomed());
  Paint();
  EXPECT_DOUBLE_EQ(m_chart.Layout().Bottom.Scale.RangeMin, x.RangeMin);
}

TEST_F(ChartMouseTest, ShortDragsDoNothing) {
  Drag(ChartMouseButton::Left, {200, 60}, {400, 76});  // 16 pixels high is not more than 16
  EXPECT_FALSE(m_chart.Zoomed());
  Drag(ChartMouseButton::Left, {200, 60}, {210, 200});
  EXPECT_FALSE(m_chart.Zoomed());
}

TEST_F(ChartMouseTest, TheRubberBandIsAnInvertedFrameWhileDragging) {
  Send(ChartMouseKind::Down, ChartMouseButton::Left, 100, 50);
  Send(ChartMouseKind::Move, ChartMouseButton::None, 140, 90);
  EXPECT_TRUE(m_chart.Zooming());
  DrawLog c = Paint();
  auto inverted = c.OfKind(DrawLog::OpKind::Invert);
  ASSERT_EQ(inverted.size(), 4u);
  EXPECT_EQ(inverted[0].Area, (gfx::Rect{100, 50, 141, 51}));
  EXPECT_EQ(inverted[1].Area, (gfx::Rect{100, 90, 141, 91}));
  EXPECT_EQ(inverted[2].Area, (gfx::Rect{100, 51, 101, 90}));
  EXPECT_EQ(inverted[3].Area, (gfx::Rect{140, 51, 141, 90}));
  Send(ChartMouseKind::Up, ChartMouseButton::Left, 140, 90);
  EXPECT_FALSE(m_chart.Zooming());
  EXPECT_TRUE(Paint().OfKind(DrawLog::OpKind::Invert).empty());
}

TEST_F(ChartMouseTest, RightDragInsideThePlotScrollsBothAxes) {
  const AxisScale x = m_chart.Layout().Bottom.Scale;
  const AxisScale y = m_chart.Layout().Left.Scale;
  Drag(ChartMouseButton::Right, {300, 100}, {350, 80});
  double dx = 50 * x.Range / x.AxisSize;
  double dy = 20 * y.Range / y.AxisSize;
  EXPECT_NEAR(m_chart.BottomAxis.Minimum, x.RangeMin - dx, 1e-9);
  EXPECT_NEAR(m_chart.BottomAxis.Maximum, x.RangeMax - dx, 1e-9);
  EXPECT_NEAR(m_chart.LeftAxis.Minimum, y.RangeMin - dy, 1e-9);
  EXPECT_NEAR(m_chart.LeftAxis.Maximum, y.RangeMax - dy, 1e-9);

  m_chart.UndoZoom();
  Drag(ChartMouseButton::Right, {5, 5}, {100, 100});  // outside the plotting rectangle
  EXPECT_FALSE(m_chart.Zoomed());
}

TEST_F(ChartMouseTest, TheWheelShiftsTheValueAxisByThreePercent) {
  const AxisScale y = m_chart.Layout().Left.Scale;
  m_chart.MouseWheel(-1);  // towards the user: up the scale
  EXPECT_DOUBLE_EQ(m_chart.LeftAxis.Minimum, y.RangeMin + 0.03 * y.Range);
  EXPECT_DOUBLE_EQ(m_chart.LeftAxis.Maximum, y.RangeMax + 0.03 * y.Range);
  EXPECT_TRUE(m_chart.BottomAxis.Automatic);
  m_chart.MouseWheel(2);
  EXPECT_NEAR(m_chart.LeftAxis.Minimum, y.RangeMin - 0.03 * y.Range, 1e-9);
}

TEST(ChartAxis, RefusesANegativeIncrement) {
  TChartAxis axis(AxisOrientation::Horizontal);
  EXPECT_THROW(axis.SetIncrement(-1), std::invalid_argument);
  axis.SetIncrement(0.5);
  EXPECT_EQ(axis.Increment(), 0.5);
}

}  // namespace
}  // namespace orvanta::chart
