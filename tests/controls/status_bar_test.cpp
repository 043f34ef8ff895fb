#include "controls/status_bar.h"

#include <gtest/gtest.h>

#include "controls/clock_status.h"
#include "controls/polling_list.h"
#include "controls/status_pane.h"
#include "distinct_palette.h"
#include "test_surface.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::controls {
namespace {

using testing_support::kBackground;
using testing_support::kLegend;
using testing_support::TestSurface;

TEST(StatusPane, AFlatFrameLeavesItsCornersOut) {
  const gfx::SystemPalette palette = testing_support::DistinctPalette();
  TestSurface surface(palette, 8, 6, kBackground);
  TUiStatusPane pane;
  pane.SetBounds(0, 0, 8, 6);
  pane.Paint(surface.Canvas());
  EXPECT_EQ(test::Picture(surface.Pixels(), kLegend),
            "........\n"
            "..GGGG..\n"
            ".G....G.\n"
            ".G....G.\n"
            "..GGGG..\n"
            "........\n");
}

TEST(StatusPane, TheCaptionStartsFivePixelsIn) {
  const gfx::SystemPalette palette = testing_support::DistinctPalette();
  for (auto [alignment, firstInk] :
       {std::pair{ui::Alignment::Left, 5}, std::pair{ui::Alignment::Right, 100 - 5 - 3 * 5}}) {
    TestSurface surface(palette, 100, 19, kBackground);
    TUiStatusPane pane;
    pane.SetBounds(0, 0, 100, 19);
    pane.SetFrameStyle(fsNone);
    pane.SetBorderWidth(0);
    pane.SetFont(gfx::Font{"Arial", 11});
    pane.SetAlignment(alignment);
    pane.SetCaption("abc");
    surface.Canvas().SetFont(pane.Font());
    pane.Paint(surface.Canvas());
    int first = -1;
    for (int x = 0; x < 100 && first < 0; ++x) {
      for (int y = 0; y < 19; ++y) {
        if (surface.Pixels().At(x, y) != palette.ToPixel(kBackground)) {
          first = x;
          break;
        }
      }
    }
    // fsNone and no border: the text rectangle is the whole pane, offset 2 + 1.
    EXPECT_EQ(first, alignment == ui::Alignment::Left ? 3 : firstInk + 2) << firstInk;
  }
}

TEST(ClockStatus, TheDateAloneAtMidnight) {
  EXPECT_EQ(DefaultClockText({2024, 5, 3, 0, 0, 0}), "2024-05-03");
  EXPECT_EQ(DefaultClockText({2024, 5, 3, 0, 0, 1}), "2024-05-03 00:00:01");
  EXPECT_EQ(DefaultClockText({999, 12, 31, 23, 59, 59}), "0999-12-31 23:59:59");
}

struct StatusBarTest : ::testing::Test {
  StatusBarTest() {
    window.SetClientSize(300, 100);
    bar = &window.Add<TUiStatusBar>();
    clock = &bar->Add<TUiClockStatus>();
    clock->SetAlign(ui::Align::Left);
    clock->Now = [this] { return now; };
    pane = &bar->Add<TUiStatusPane>();
    pane->SetBounds(150, 0, 100, 19);
    pane->SetAlign(ui::Align::Left);
    ui.ShowAndSettle(window);
  }
  void Tick() {
    ui.Host.Advance(TUiPollingList::kDefaultInterval);
    ui.App.ProcessMessages();
  }

  ui::testing::UiFixture ui;
  ui::Form window{ui.App};
  TUiStatusBar* bar = nullptr;
  TUiClockStatus* clock = nullptr;
  TUiStatusPane* pane = nullptr;
  history::SystemTime now{2024, 5, 3, 8, 0, 0};
};

TEST_F(StatusBarTest, PanesLineUpAndTheGripSitsBottomRight) {
  EXPECT_EQ(bar->Bounds(), (gfx::Rect{0, 81, 300, 100}));
  EXPECT_EQ(clock->Bounds(), (gfx::Rect{0, 0, 150, 19}));
  EXPECT_EQ(pane->Bounds(), (gfx::Rect{150, 0, 250, 19}));
  EXPECT_TRUE(bar->GripValid());
  EXPECT_EQ(bar->GripDots()[0], (gfx::Point{295, 6}));
  EXPECT_EQ(bar->GripDots()[5], (gfx::Point{287, 14}));
  const ui::WindowId w = window.Window();
  ui.Host.MouseMove(w, {295, 95});
  ui.App.ProcessMessages();
  EXPECT_EQ(ui.Host.State(w).Cursor, ui::CursorKind::SizeNWSE);
  ui.Host.MouseDown(w, {295, 95});
  ui.Host.MouseUp(w, {295, 95});
  ui.App.ProcessMessages();
  EXPECT_EQ(ui.Host.SizeOperations, std::vector<ui::WindowId>{w});
  ui.Host.MouseMove(w, {200, 95});
  ui.App.ProcessMessages();
  EXPECT_EQ(ui.Host.State(w).Cursor, ui::CursorKind::Arrow);

  ui.Host.State(w).Maximized = true;
  EXPECT_FALSE(bar->GripValid());
}

TEST_F(StatusBarTest, TheGripCanBeSwitchedOff) {
  ui.App.ProcessMessages();
  bar->SetShowSizeGrip(false);
  EXPECT_FALSE(bar->GripValid());
  EXPECT_TRUE(window.NeedsPaint());
}

TEST_F(StatusBarTest, TheClockFollowsTheSharedTimerWhileItShows) {
  ASSERT_NE(TUiPollingList::Instance(), nullptr);
  EXPECT_EQ(clock->Interval(), 500);
  Tick();
  EXPECT_EQ(clock->Caption(), "2024-05-03 08:00:00");
  int presents = ui.Host.PresentCount;
  Tick();  // same second: nothing to repaint
  EXPECT_EQ(ui.Host.PresentCount, presents);
  now.Second = 1;
  Tick();
  EXPECT_EQ(clock->Caption(), "2024-05-03 08:00:01");
  EXPECT_GT(ui.Host.PresentCount, presents);

  clock->Hide();
  now.Second = 2;
  Tick();
  EXPECT_EQ(clock->LastText(), "2024-05-03 08:00:01");
  clock->Show();
  Tick();
  EXPECT_EQ(clock->Caption(), "2024-05-03 08:00:02");
}

TEST(PollingList, LivesFromTheFirstPollingPaneToTheLast) {
  ui::testing::UiFixture ui;
  EXPECT_EQ(TUiPollingList::Instance(), nullptr);
  auto first = std::make_unique<TUiClockStatus>();
  auto second = std::make_unique<TUiClockStatus>();
  ASSERT_NE(TUiPollingList::Instance(), nullptr);
  EXPECT_EQ(TUiPollingList::Instance()->PaneCount(), 2);
  first.reset();
  EXPECT_EQ(TUiPollingList::Instance()->PaneCount(), 1);
  second.reset();
  EXPECT_EQ(TUiPollingList::Instance(), nullptr);
}

}  // namespace
}  // namespace orvanta::controls
