// The chart as a control of a window: size, repaints, mouse passing and the marks tips shown
// through the framework's hint window.
#include "chart/chart_control.h"

#include <gtest/gtest.h>

#include "chart/marks_tip_tool.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::chart {
namespace {

struct ChartControlTest : ::testing::Test {
  ChartControlTest() {
    window.SetClientSize(669, 328);
    window.SetScreenPosition({100, 50});
    control = &window.Add<TChartControl>();
    control->SetAlign(ui::Align::Client);
    series = &control->Chart().AddSeries();
    series->Marks.Visible = false;
    control->Chart().AddTool<TMarksTipTool>().Style = TSeriesMarksStyle::smsLabelValue;
    series->Add(8, "2024-05-03");
    series->Add(13.5833333, "2024-05-04");
    ui.ShowAndSettle(window);
  }
  void MoveTo(gfx::Point p) {
    ui.Host.MouseMove(window.Window(), p);
    ui.App.ProcessMessages();
  }
  gfx::Point Inside(int bar) const {
    const gfx::Rect r = series->BarBounds(control->Chart().Layout().Bars[0], bar);
    return {(r.Left + r.Right) / 2, r.Bottom - 3};
  }

  ui::testing::UiFixture ui;
  ui::Form window{ui.App};
  TChartControl* control = nullptr;
  TBarSeries* series = nullptr;
};

TEST_F(ChartControlTest, PaintsAtItsOwnSizeAndRepaintsOnChanges) {
  EXPECT_EQ(control->Chart().GetSize(), (gfx::Size{669, 328}));
  EXPECT_FALSE(control->Chart().ChartRect().IsEmpty());
  window.SetClientSize(400, 300);
  EXPECT_EQ(control->Chart().GetSize(), (gfx::Size{400, 300}));
  ui.App.ProcessMessages();
  const int presents = ui.Host.PresentCount;
  series->Clear();
  ui.App.ProcessMessages();
  EXPECT_GT(ui.Host.PresentCount, presents);
}

TEST_F(ChartControlTest, TipsFollowTheBarsUnderTheMouse) {
  MoveTo(Inside(0));
  EXPECT_EQ(control->Hint(), "2024-05-03 8");
  EXPECT_TRUE(control->ShowHint());
  ui.Host.Advance(ui.App.HintPause());
  ui.App.ProcessMessages();
  ASSERT_TRUE(ui.App.Hints().Showing());
  EXPECT_EQ(ui.App.Hints().ShownText(), "2024-05-03 8");
  EXPECT_EQ(ui.App.Hints().ShownAt().X, 100 + Inside(0).X);

  MoveTo(Inside(1));
  EXPECT_EQ(control->Hint(), "2024-05-04 13.583");
  MoveTo({Inside(1).X,
          series->BarBounds(control->Chart().Layout().Bars[0], 1).Top - 10});  // above the bar
  EXPECT_EQ(control->Hint(), "");
  EXPECT_FALSE(control->ShowHint());
  EXPECT_FALSE(ui.App.Hints().Showing());
}

TEST_F(ChartControlTest, TheWheelShiftsTheValueAxisAndStopsThere) {
  ui.Host.Wheel(window.Window(), Inside(0), 1);
  ui.App.ProcessMessages();
  EXPECT_FALSE(control->Chart().LeftAxis.Automatic);
}

}  // namespace
}  // namespace orvanta::chart
