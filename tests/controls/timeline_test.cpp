#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "controls/timeline_view.h"
#include "distinct_palette.h"
#include "test_surface.h"
#include "ui/keys.h"

namespace orvanta::controls {
namespace {

using history::TimelineKind;
using history::TimelineMarkKind;
using testing_support::kBackground;
using testing_support::TestSurface;

// Two days: the newest awake 1-2 h and asleep 2-3 h with an unexpected end at 10 h, the older
// one without record until noon.
history::TimelineRows TwoDays(bool sleepKnown) {
  history::TimelineRows rows;
  rows.SleepKnown = sleepKnown;
  rows.Pieces = {{3600, 7200, TimelineKind::Awake, 0, 0},
                 {7200, 10800, TimelineKind::Asleep, 0, 0}};
  rows.Marks = {{36000, TimelineMarkKind::UnexpectedEnd, 0, 0}};
  rows.Days.resize(2);
  rows.Days[0].PieceCount = 2;
  rows.Days[0].MarkCount = 1;
  rows.Days[1].FirstPiece = 2;
  rows.Days[1].FirstMark = 1;
  rows.Days[1].NoRecordUntil = 43200;
  return rows;
}

TEST(TimelineLayout, TheStripKeepsItsWidthAndTimesFallInItsColumns) {
  for (int width : {300, 649, 1200}) {
    const TimelineColumns c = LayoutTimelineColumns(width);
    EXPECT_EQ(TimelineX(c, 86400) - TimelineX(c, 0), kTimelineStripWidth) << width;
    EXPECT_GE(c.StripLeft, kTimelineDateWidth) << width;
    EXPECT_GE(c.AwakeLeft, TimelineX(c, 86400)) << width;
    EXPECT_GE(c.AwakeRight, std::max(width, c.AwakeLeft + kTimelineAwakeWidth)) << width;
  }
  const TimelineColumns c = LayoutTimelineColumns(649);
  EXPECT_EQ(c.StripLeft, 136);  // centred in the 37 pixels the three columns leave
  const std::pair<std::int32_t, int> times[] = {
      {0, 136}, {3599, 152}, {3600, 153}, {43200, 340}, {86400, 544}, {-60, 136}, {90000, 544}};
  for (auto [wall, x] : times) {
    EXPECT_EQ(TimelineX(c, wall), x) << wall;
  }
}

TEST(TimelineLayout, WhatLiesUnderAPoint) {
  const history::TimelineRows rows = TwoDays(true);
  TimelineGeometry g;
  g.Columns = LayoutTimelineColumns(649);
  using What = TimelineHit::What;
  struct Case {
    gfx::Point At;
    std::optional<TimelineHit> Hit;
  };
  const Case cases[] = {
      {{160, 30}, TimelineHit{What::Piece, 0, 0}},
      {{153, 24}, TimelineHit{What::Piece, 0, 0}},  // top-left pixel of the block
      {{170, 30}, TimelineHit{What::Piece, 0, 1}},
      {{305, 23}, TimelineHit{What::Mark, 0, 0}},  // the tick is taller than the blocks
      {{160, 23}, std::nullopt},                   // above the block
      {{160, 10}, std::nullopt},                   // the header
      {{400, 30}, std::nullopt},
      {{160, 50}, std::nullopt},  // the older day has no blocks
      {{160, 70}, std::nullopt},  // below the last day
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TimelineHitAt(g, rows, c.At), c.Hit) << c.At.X << "," << c.At.Y;
  }
  g.TopRow = 1;
  EXPECT_EQ(TimelineHitAt(g, rows, {160, 10}), std::nullopt);
  EXPECT_EQ(TimelineHitAt(g, rows, {160, 30}), std::nullopt);
}

TEST(Timeline, PaintsBlocksTicksGridAndTheUnrecordedHours) {
  const gfx::SystemPalette palette = testing_support::DistinctPalette();
  for (bool sleepKnown : {true, false}) {
    SCOPED_TRACE(sleepKnown);
    const int dy = sleepKnown ? 0 : kTimelineNoteHeight;
    TestSurface surface(palette, 665, 100, kBackground);
    TUiTimeline timeline;
    timeline.SetBounds(0, 0, 665, 100);
    timeline.SetRows(TwoDays(sleepKnown));
    timeline.Paint(surface.Canvas());
    const auto at = [&](int x, int y) { return surface.Pixels().At(x, y + dy); };
    const struct {
      int X;
      int Y;
      gfx::Color Color;
    } probes[] = {
        {161, 30, kTimelineAwakeColor}, {178, 30, kTimelineAsleepColor},
        {306, 22, kTimelineEndColor},   {238, 22, kTimelineSixHourColor},
        {357, 30, kTimelineHourColor},  {400, 30, gfx::clWhite},
        {400, 39, kTimelineHourColor},  // the line under a row
    };
    for (const auto& p : probes) {
      EXPECT_EQ(at(p.X, p.Y), palette.ToPixel(p.Color)) << p.X << "," << p.Y;
    }
    // The older day is hatched from midnight to noon and plain after it.
    int grey = 0;
    for (int x = 137; x < 340; ++x) {
      grey += at(x, 50) == palette.ToPixel(kTimelineNoRecordColor) ? 1 : 0;
    }
    EXPECT_GT(grey, 30);
    EXPECT_EQ(at(342, 50), palette.ToPixel(gfx::clWhite));
    if (!sleepKnown) {
      EXPECT_EQ(surface.Pixels().At(100, kTimelineHeaderHeight + 1),
                palette.ToPixel(gfx::clInfoBk));
    }
  }
}

TEST(Timeline, WheelAndKeysScrollByRows) {
  history::TimelineRows rows;
  rows.SleepKnown = true;
  rows.Days.resize(100);
  TUiTimeline timeline;
  timeline.SetBounds(0, 0, 665, kTimelineHeaderHeight + 10 * kTimelineRowHeight);
  timeline.SetRows(std::move(rows));
  ASSERT_EQ(timeline.VisibleRows(), 10u);
  struct Step {
    int Notches;  // 0: the key instead
    unsigned Key;
    std::size_t Top;
  };
  const Step steps[] = {
      {1, 0, 0},           {-1, 0, 3},           {0, ui::kVkDown, 4}, {0, ui::kVkNext, 14},
      {0, ui::kVkUp, 13},  {0, ui::kVkEnd, 90},  {-2, 0, 90},         {0, ui::kVkPrior, 80},
      {0, ui::kVkHome, 0}, {0, ui::kVkPrior, 0},
  };
  for (const Step& s : steps) {
    if (s.Notches != 0) {
      ui::WheelEvent e;
      e.Notches = s.Notches;
      timeline.DispatchMouseWheel(e);
      EXPECT_TRUE(e.Handled);
    } else {
      ui::KeyEvent e;
      e.Key = s.Key;
      timeline.DispatchKeyDown(e);
      EXPECT_TRUE(e.Handled);
    }
    EXPECT_EQ(timeline.TopRow(), s.Top) << s.Notches << " " << s.Key;
  }
}

TEST(Timeline, AClickOnABlockNamesItsRun) {
  history::TimelineRows rows = TwoDays(true);
  rows.Pieces[1].Run = 7;
  TUiTimeline timeline;
  timeline.SetBounds(0, 0, 665, 100);
  timeline.SetRows(std::move(rows));
  std::vector<std::size_t> clicked;
  timeline.OnRunClick = [&](std::size_t run) { clicked.push_back(run); };
  for (gfx::Point p : {gfx::Point{170, 30}, gfx::Point{400, 30}, gfx::Point{160, 30}}) {
    timeline.DispatchMouseDown({ui::MouseButton::Left, ui::kShiftNone, p});
  }
  EXPECT_EQ(clicked, (std::vector<std::size_t>{7, 0}));
}

}  // namespace
}  // namespace orvanta::controls
