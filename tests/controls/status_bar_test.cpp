#include "controls/status_bar.h"

#include <gtest/gtest.h>

#include "controls/clock_status.h"
#include "controls/color_sets.h"
#include "controls/date_time_pattern.h"
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

TEST(ClockStatus, TheTextFollowsTheLocalesPatterns) {
  const history::SystemTime morning{2024, 5, 3, 8, 7, 6};
  const history::SystemTime evening{2024, 5, 3, 20, 7, 6};
  const history::SystemTime midnight{2024, 5, 3, 0, 0, 0};
  struct Case {
    const char* DateFormat;  // as the C library gives them
    const char* TimeFormat;
    history::SystemTime Time;
    const char* Text;
  };
  const Case cases[] = {
      {"%d.%m.%Y", "%H:%M:%S", morning, "03.05.2024 08:07:06"},
      {"%d.%m.%Y", "%H:%M:%S", midnight, "03.05.2024"},
      {"%Y年%m月%d日", "%H时%M分%S秒", morning, "2024年05月03日 08时07分06秒"},
      {"%m/%d/%y", "%I:%M:%S %p", evening, "05/03/24 08:07:06 PM"},
      {"%e %B %Y", "%T", morning, "3 May 2024 08:07:06"},
      {"%a %x", "%EX", morning, "2024-05-03 08:07:06"},  // no runtime counterpart: fallback
  };
  for (const Case& c : cases) {
    const PatternClockLocale locale = PatternClockLocale::FromStrftime(c.DateFormat, c.TimeFormat);
    EXPECT_EQ(DefaultDateTimeText(c.Time, locale), c.Text) << c.DateFormat << " " << c.TimeFormat;
  }
}

TEST(ClockStatus, FormatPatternsOfTheRuntime) {
  struct Case {
    const char* Format;
    history::SystemTime Time;
    const char* Text;
  };
  const Case cases[] = {
      {"c", {2024, 5, 3, 0, 0, 0}, "2024-05-03"},
      {"yyyy/m/d h:nn am/pm", {2024, 5, 3, 20, 7, 6}, "2024/5/3 8:07 pm"},
      {"dddd \"at\" hh:mm", {2024, 5, 3, 8, 7, 6}, "Friday at 08:07"},
      {"ddd d mmm yy, zzz", {2024, 5, 3, 8, 7, 6, 45}, "Fri 3 May 24, 045"},
      {"'h'h A/P", {2024, 5, 3, 0, 7, 6}, "h12 A"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDateTimePattern(c.Format, c.Time), c.Text) << c.Format;
  }
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

TEST_F(StatusBarTest, TheClockTakesItsFormatAndItsEvent) {
  clock->SetFormat("hh:nn");
  EXPECT_EQ(clock->Caption(), "08:00");
  clock->OnGetDateTime = [](TUiClockStatus&, history::SystemTime& t) { t.Hour = 23; };
  Tick();
  EXPECT_EQ(clock->Caption(), "23:00");
}

TEST_F(StatusBarTest, AClockAtTheGripLeavesItsLastTwelvePixelsToTheBar) {
  clock->SetAlign(ui::Align::None);
  clock->SetBounds(200, 0, 100, 19);  // reaches the bar's right edge
  EXPECT_EQ(clock->TextRect().Right, 100 - 2 - 12);
  EXPECT_EQ(bar->ControlAt({295, 5}), bar);
  EXPECT_EQ(bar->ControlAt({285, 5}), clock);
  bar->SetShowSizeGrip(false);
  EXPECT_EQ(clock->TextRect().Right, 98);
  EXPECT_EQ(bar->ControlAt({295, 5}), clock);
}

TEST_F(StatusBarTest, PanePropertiesShowInSizeAndPixels) {
  // Auto-size: the caption's width, both border widths, the offset and 6.
  pane->SetAutoSize(true);
  pane->SetCaption("abc");
  EXPECT_EQ(pane->Width(), pane->MeasuringCanvas()->TextExtent("abc").Width + 2 + 2 + 6);
  pane->SetCaption("");
  EXPECT_EQ(pane->Width(), TUiCustomStatusPane::kDefaultWidth);
  // An opaque pane fills behind its caption with the fill colour, elsewhere with its colour.
  pane->SetTransparent(false);
  pane->SetFillColor(gfx::clRed);
  ui.App.ProcessMessages();
  const gfx::Bitmap& screen = ui.Host.State(window.Window()).Screen;
  const int top = bar->Top();
  EXPECT_EQ(screen.At(pane->Left() + 3, top + 5), ui.Palette.ToPixel(gfx::clRed));
  EXPECT_EQ(screen.At(pane->Left(), top + 5), ui.Palette.ToPixel(gfx::clBtnFace));
  // On a gradient bar a separator replaces the frame and the grip takes the status colours.
  PanelStyle look = bar->Look();
  look.VisualStyle = vsGradient;
  bar->SetLook(look);
  ui.App.ProcessMessages();
  const StatusColors status = StatusColorSet(ui.Palette);
  EXPECT_EQ(screen.At(pane->Left() + 1, top + 5), ui.Palette.ToPixel(status.Third));
  EXPECT_EQ(screen.At(pane->Left() + 5, top + 1), ui.Palette.ToPixel(gfx::clBtnFace));
  const gfx::Point dot = bar->GripDots()[0];
  EXPECT_EQ(screen.At(dot.X - 1, top + dot.Y - 1), ui.Palette.ToPixel(status.Third));
  EXPECT_EQ(screen.At(dot.X + 1, top + dot.Y + 1), ui.Palette.ToPixel(status.Second));
}

TEST_F(StatusBarTest, SimpleStatusAutoStyleAndAutoHint) {
  bar->SetSimpleCaption("Ready");
  bar->SetSimpleStatus(true);
  EXPECT_FALSE(clock->Visible());
  EXPECT_FALSE(pane->Visible());
  ui.Log->Clear();
  ui.App.ProcessMessages();
  EXPECT_NE(ui.Log->FindText("Ready"), nullptr);
  bar->SetSimpleStatus(false);
  EXPECT_TRUE(clock->Visible() && pane->Visible());

  bar->SetSize(300, 30);
  bar->FinishLoading();
  EXPECT_EQ(bar->Height(), TUiStatusBar::kStandardHeight);
  PanelStyle look = bar->Look();
  look.BorderOuter = fsRaised;
  bar->SetLook(look);
  EXPECT_FALSE(bar->AutoStyle());

  pane->SetAutoHint(true);
  clock->SetHint("Time|The time now");
  ui.Host.MouseMove(window.Window(), {20, 90});
  ui.App.ProcessMessages();
  EXPECT_EQ(pane->Caption(), "The time now");
  ui.Host.MouseMove(window.Window(), {160, 90});
  ui.App.ProcessMessages();
  EXPECT_EQ(pane->Caption(), "");
}

TEST_F(StatusBarTest, AutoScalePanesKeepsTheirShares) {
  bar->SetAutoScalePanes(true);
  window.SetClientSize(600, 100);
  EXPECT_EQ(clock->Bounds(), (gfx::Rect{0, 0, 300, 19}));
  EXPECT_EQ(pane->Bounds(), (gfx::Rect{300, 0, 500, 19}));
}

TEST_F(StatusBarTest, ABlinkingCaptionTakesTheBlinkColourInTheOnPhase) {
  pane->SetCaption("abc");
  pane->SetBlinkColor(gfx::clRed);
  pane->SetBlinking(true);
  struct Step {
    BlinkPhase Phase;
    bool Blinking;
    gfx::Color Text;
  };
  for (const Step& s :
       {Step{BlinkPhase::On, true, gfx::clRed}, Step{BlinkPhase::Off, true, pane->Font().TextColor},
        Step{BlinkPhase::On, false, pane->Font().TextColor}}) {
    pane->BlinkPhaseChanged(s.Phase);
    pane->SetBlinking(s.Blinking);
    ui.Log->Clear();
    pane->Invalidate();
    ui.App.ProcessMessages();
    const auto* text = ui.Log->FindText("abc");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(ui.Palette.ToRgb(text->Color), ui.Palette.ToRgb(s.Text));
  }
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
