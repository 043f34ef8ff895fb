#include "chart/marks_tip_tool.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/chart.h"
#include "fixed_measurer.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::chart {
namespace {

class RecordingHintSink final : public HintSink {
 public:
  std::vector<std::string> Calls;
  void CancelHint() override { Calls.push_back("cancel"); }
  void ShowHintAt(std::string_view text, gfx::Point at) override {
    Calls.push_back("show " + std::string(text) + " at " + std::to_string(at.X) + "," +
                    std::to_string(at.Y));
  }
  gfx::Point ClientToScreen(gfx::Point p) const override { return {p.X + 1000, p.Y + 500}; }
};

class MarksTipToolTest : public testing::Test {
 protected:
  void SetUp() override {
    m_chart.SetSize({669, 328});
    TBarSeries& s = m_chart.AddSeries();
    s.ColorEachPoint = true;
    s.Add(13.5833333, "2024-05-03");
    s.Add(8, "2024-05-03");
    s.Add(0, "2024-05-04");
    m_tool.Style = TSeriesMarksStyle::smsLabelValue;
    m_chart.SetHintSink(&m_sink);
    // The hit tests run on a layout alone: no canvas, no paint.
    FixedMeasurer labels;
    FixedMeasurer titles;
    m_chart.LayOut(labels, titles);
  }

  void Move(int x, int y) {
    m_chart.MouseEvent({ChartMouseKind::Move, ChartMouseButton::None, 0, x, y});
  }
  gfx::Point Inside(int bar) const {
    gfx::Rect r = BarBounds(bar);
    return {r.Left + 3, r.Bottom - 2};
  }
  gfx::Rect BarBounds(int bar) const {
    return m_chart.Series(0).BarBounds(m_chart.Layout().Bars[0], bar);
  }
  std::vector<std::string> TakeCalls() { return std::exchange(m_sink.Calls, {}); }

  TChart m_chart;
  TMarksTipTool& m_tool = m_chart.AddTool<TMarksTipTool>();
  RecordingHintSink m_sink;
};

TEST_F(MarksTipToolTest, OffersTheBarsLabelAndValue) {
  gfx::Point p = Inside(0);
  Move(p.X, p.Y);
  std::string at = " at " + std::to_string(p.X + 1000) + "," + std::to_string(p.Y + 500);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"cancel", "show 2024-05-03 13.583" + at}));
  EXPECT_EQ(m_chart.Hint, "2024-05-03 13.583");
  EXPECT_TRUE(m_chart.ShowHint);
}

TEST_F(MarksTipToolTest, MovingWithinABarKeepsTheHint) {
  gfx::Point p = Inside(0);
  Move(p.X, p.Y);
  TakeCalls();
  Move(p.X + 10, p.Y - 30);
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_EQ(m_chart.Hint, "2024-05-03 13.583");
}

TEST_F(MarksTipToolTest, TheNextBarReplacesTheHintAndAGapCancelsIt) {
  Move(Inside(0).X, Inside(0).Y);
  TakeCalls();
  gfx::Point p = Inside(1);
  Move(p.X, p.Y);
  std::vector<std::string> calls = TakeCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], "cancel");
  EXPECT_EQ(calls[1].rfind("show 2024-05-03 8 at", 0), 0u) << calls[1];

  gfx::Rect b1 = BarBounds(1);
  Move(b1.Right + 2, p.Y);  // the gap after the bar
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"cancel"}));
  EXPECT_EQ(m_chart.Hint, "");
  Move(b1.Right + 3, p.Y);
  EXPECT_TRUE(TakeCalls().empty());

  Move(p.X, b1.Top - 2);  // above the bar
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_F(MarksTipToolTest, AZeroBarIsHitOnItsRowOnly) {
  gfx::Rect zero = BarBounds(2);
  Move(zero.Left + 5, zero.Top - 1);
  EXPECT_TRUE(TakeCalls().empty());
  Move(zero.Left + 5, zero.Top);
  EXPECT_EQ(m_chart.Hint, "2024-05-04 0");
}

TEST_F(MarksTipToolTest, ReactsToTheConfiguredMouseAction) {
  gfx::Point p = Inside(0);
  m_chart.MouseEvent({ChartMouseKind::Down, ChartMouseButton::Left, 0, p.X, p.Y});
  m_chart.MouseEvent({ChartMouseKind::Up, ChartMouseButton::Left, 0, p.X, p.Y});
  EXPECT_EQ(m_chart.Hint, "");
  m_tool.SetMouseAction(TMarkToolMouseAction::mtmClick);
  Move(p.X, p.Y);
  EXPECT_EQ(m_chart.Hint, "");
  m_chart.MouseEvent({ChartMouseKind::Down, ChartMouseButton::Left, 0, p.X, p.Y});
  EXPECT_EQ(m_chart.Hint, "2024-05-03 13.583");
}

TEST_F(MarksTipToolTest, DeactivatingCancelsAndSilencesTheTool) {
  Move(Inside(0).X, Inside(0).Y);
  TakeCalls();
  m_tool.SetActive(false);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"cancel"}));
  Move(Inside(1).X, Inside(1).Y);
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_EQ(m_chart.Hint, "");
}

TEST_F(MarksTipToolTest, AnotherTipToolKeepsTheHintOverGaps) {
  m_chart.AddTool<TMarksTipTool>().SetActive(false);
  Move(Inside(0).X, Inside(0).Y);
  TakeCalls();
  Move(1, 1);
  EXPECT_TRUE(TakeCalls().empty());
  EXPECT_EQ(m_chart.Hint, "2024-05-03 13.583");
}

TEST_F(MarksTipToolTest, TheTextCanBeChangedBeforeItIsOffered) {
  m_tool.OnGetText = [](TMarksTipTool&, std::string& text) { text += " h"; };
  Move(Inside(1).X, Inside(1).Y);
  EXPECT_EQ(m_chart.Hint, "2024-05-03 8 h");
}

TEST_F(MarksTipToolTest, WorksWithoutAHintWindow) {
  m_chart.SetHintSink(nullptr);
  Move(Inside(0).X, Inside(0).Y);
  EXPECT_EQ(m_chart.Hint, "2024-05-03 13.583");
  Move(1, 1);
  EXPECT_EQ(m_chart.Hint, "");
}

TEST(MarksTipToolDelays, AreTheApplicationsHintPauses) {
  TChart chart;
  TMarksTipTool& tool = chart.AddTool<TMarksTipTool>();
  EXPECT_EQ(tool.MouseDelay(), 500);  // no application yet: the defaults
  EXPECT_EQ(tool.HideDelay(), 2500);
  ui::testing::UiFixture ui;
  tool.SetMouseDelay(800);
  tool.SetHideDelay(4000);
  EXPECT_EQ(ui.App.HintPause(), 800);
  EXPECT_EQ(ui.App.HintHidePause(), 4000);
  ui.App.SetHintPause(300);
  EXPECT_EQ(tool.MouseDelay(), 300);
  EXPECT_EQ(tool.HideDelay(), 4000);
}

}  // namespace
}  // namespace orvanta::chart
