// The main window's start-up, commands, timers and layout, headless on a canvas with simple
// text metrics (the layout assertions here do not depend on a font's measurements).
#include <gtest/gtest.h>

#include "app/form_orvanta.h"
#include "app/main_window_test_fixture.h"

namespace orvanta::app {
namespace {

using testing::MainWindowTest;

const std::array<std::string, 4> kWorkedExamplePanes = {"记录数:4", "天数:3", "总计:3小时",
                                                        "平均:0(小时/次)"};

TEST_F(MainWindowTest, CreationFillsEverythingBeforeTheWindowFirstShows) {
  TFormOrvanta& form = Create();
  EXPECT_EQ(form.Window(), ui::kNoWindow);
  EXPECT_EQ(Fake.LogOpenings, 1);
  EXPECT_EQ(form.UiLWMsg->Model().ItemCount(), 4);
  EXPECT_EQ(form.Series1->Count(), 3);
  EXPECT_EQ(form.TotalRunSeconds(), 12600);
  EXPECT_EQ(Panes(), kWorkedExamplePanes);
  EXPECT_EQ(form.LabVer->Caption(), "版本 4.0.3");
  EXPECT_EQ(form.LabTimeText->Caption(), "");
  EXPECT_EQ(form.UiClockStatus1->Caption(), "2024-03-10 12:34:56");
  EXPECT_EQ(form.Caption(), "Orvanta");
  EXPECT_EQ(form.Texts().HomePageAddress, present::kMainWindowTexts.HomePageAddress);
}

TEST_F(MainWindowTest, TheLocalOffsetIsTakenBeforeTheFirstRefresh) {
  Fake.Clock.BiasMinutes = 480;
  TFormOrvanta& form = Create();
  EXPECT_EQ(history::LocalBiasMinutes(), 480);
  EXPECT_EQ(form.UiLWMsg->Model().Item(0).SubItem(0), "2024-03-10 17:00:00");
}

TEST_F(MainWindowTest, RefreshRebuildsInsteadOfAppending) {
  TFormOrvanta& form = CreateAndShow();
  Ui.Host.Click(Window(), Centre(*form.TBRefresh));
  Ui.Host.Click(Window(), Centre(*form.TBRefresh));
  Ui.App.ProcessMessages();
  EXPECT_EQ(Fake.LogOpenings, 3);
  EXPECT_EQ(form.UiLWMsg->Model().ItemCount(), 4);
  EXPECT_EQ(form.Series1->Count(), 3);
  EXPECT_EQ(form.Runs().size(), 4u);
  EXPECT_EQ(Panes(), kWorkedExamplePanes);

  Fake.Records.clear();
  Ui.Host.Click(Window(), Centre(*form.TBRefresh));
  Ui.App.ProcessMessages();
  EXPECT_EQ(form.UiLWMsg->Model().ItemCount(), 0);
  EXPECT_EQ(form.Series1->Count(), 0);
  EXPECT_EQ(Panes(),
            (std::array<std::string, 4>{"记录数:0", "天数:0", "总计:0小时", "平均:0(小时/次)"}));
}

TEST_F(MainWindowTest, TheUserColumnHidesWhileNoRunHasAUser) {
  Fake.Records =
      testing::NewestFirst({{0x80000000u | 6005, testsupport::UnixTime(2024, 5, 1, 8), {}, 0},
                            {0x80000000u | 6006, testsupport::UnixTime(2024, 5, 1, 9), {}, 0}});
  TFormOrvanta& form = CreateAndShow();
  EXPECT_EQ(form.UiLWMsg->Layout().ColumnWidth.at(4), 0);
  Fake.Records = testing::WorkedExampleRecords();
  form.TBRefresh->Click();
  EXPECT_EQ(form.UiLWMsg->Layout().ColumnWidth.at(4), 127);
}

// Access keys are typed with Alt; H belongs to the visible Home page button, not to the hidden
// Help button with the same letter.
TEST_F(MainWindowTest, AccessKeysRunTheirCommands) {
  struct Case {
    char32_t Key;
    std::vector<std::string> Opened;
    int LogOpenings;
  };
  const std::string home(present::kMainWindowTexts.HomePageAddress);
  const std::string update(present::kMainWindowTexts.UpdatePageAddress);
  const Case cases[] = {
      {U'h', {home}, 1},
      {U'H', {home}, 1},
      {U'u', {update}, 1},
      {U'r', {}, 2},
  };
  for (const Case& c : cases) {
    Fake.Shell.Opened.clear();
    Fake.LogOpenings = 0;
    Form.reset();
    CreateAndShow();
    Ui.Host.Char(Window(), c.Key, ui::kShiftAlt);
    Ui.App.ProcessMessages();
    EXPECT_EQ(Fake.Shell.Opened, c.Opened) << static_cast<char>(c.Key);
    EXPECT_EQ(Fake.LogOpenings, c.LogOpenings) << static_cast<char>(c.Key);
    EXPECT_FALSE(Ui.App.Terminated());
  }
}

TEST_F(MainWindowTest, EnterOrSpaceOnTheFocusedRefreshButtonRefreshes) {
  TFormOrvanta& form = CreateAndShow();
  ASSERT_TRUE(form.TBRefresh->SetFocus());
  Ui.Host.Key(Window(), ui::kVkReturn);
  Ui.Host.Key(Window(), ui::kVkSpace);
  Ui.App.ProcessMessages();
  EXPECT_EQ(Fake.LogOpenings, 3);
}

TEST_F(MainWindowTest, ExitEndsTheProgram) {
  TFormOrvanta& form = CreateAndShow();
  Ui.Host.Click(Window(), Centre(*form.TBExit));
  Ui.App.ProcessMessages();
  EXPECT_TRUE(Ui.App.Terminated());
  EXPECT_FALSE(form.Visible());
}

TEST_F(MainWindowTest, TheCloseBoxEndsTheProgram) {
  TFormOrvanta& form = CreateAndShow();
  Ui.Host.Close(Window());
  Ui.App.ProcessMessages();
  EXPECT_TRUE(Ui.App.Terminated());
  EXPECT_FALSE(form.Visible());
}

TEST_F(MainWindowTest, TheUptimeLabelAndTheClockPaneFollowTheirTimers) {
  TFormOrvanta& form = CreateAndShow();
  EXPECT_EQ(form.LabTimeText->Caption(), "");
  Fake.Clock.Now.Second = 57;
  Ui.Host.Advance(500);
  Ui.App.ProcessMessages();
  EXPECT_EQ(form.UiClockStatus1->Caption(), "2024-03-10 12:34:57");
  EXPECT_EQ(form.LabTimeText->Caption(), "");
  Ui.Host.Advance(500);
  Ui.App.ProcessMessages();
  EXPECT_EQ(form.LabTimeText->Caption(), "1 时2 分3 秒");
  Fake.Clock.UptimeMs = 273'906'999;
  Ui.Host.Advance(1000);
  Ui.App.ProcessMessages();
  EXPECT_EQ(form.LabTimeText->Caption(), "3 天4 时5 分6 秒");
}

// The title names the saved log shown; the label beside the uptime names the system, or for a
// saved log shows how far it reaches, which the timer leaves alone.
TEST_F(MainWindowTest, TheTitleAndTheUptimeLabelNameWhatIsShown) {
  struct Case {
    std::optional<std::string> File;
    HostSystem System;
    const char* Title;
    const char* Label;
    const char* Value;  // after the timer's first tick
  };
  const Case cases[] = {
      {std::nullopt, HostSystem::Windows, "Orvanta", " Windows已运行时间:", "1 时2 分3 秒"},
      {std::nullopt, HostSystem::Linux, "Orvanta", " 系统已运行时间:", "1 时2 分3 秒"},
      {"/srv/logs/xp.Evt", HostSystem::Linux, "xp.Evt - Orvanta",
       " 日志截至:", "2024-03-10 09:15:00"},
      {"D:\\logs\\System.evtx", HostSystem::Windows, "System.evtx - Orvanta",
       " 日志截至:", "2024-03-10 09:15:00"},
  };
  for (const Case& c : cases) {
    Form.reset();
    Fake.Services.LogFile = c.File;
    Fake.Services.System = c.System;
    TFormOrvanta& form = CreateAndShow();
    EXPECT_EQ(form.Caption(), c.Title);
    EXPECT_EQ(form.LabTime->Caption(), c.Label);
    Ui.Host.Advance(1000);
    Ui.App.ProcessMessages();
    EXPECT_EQ(form.LabTimeText->Caption(), c.Value) << c.Title;
  }
}

TEST(PathBaseName, TakesTheLastPartAsTheSystemWritesPaths) {
  struct Case {
    std::string_view Path;
    HostSystem System;
    std::string_view Name;
  };
  const Case cases[] = {
      {"/var/log/wtmp", HostSystem::Linux, "wtmp"},
      {"/var/log/journal//", HostSystem::Linux, "journal"},
      {"wtmp.db", HostSystem::Linux, "wtmp.db"},
      {"/", HostSystem::Linux, "/"},
      {"a\\b.evt", HostSystem::Linux, "a\\b.evt"},
      {"C:\\logs/a\\b.evt", HostSystem::Windows, "b.evt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PathBaseName(c.Path, c.System), c.Name) << c.Path;
  }
}

TEST_F(MainWindowTest, ToolbarAndStatusBarPlaceTheirControls) {
  TFormOrvanta& form = CreateAndShow();
  struct Case {
    const ui::Control* Control;
    gfx::Rect Bounds;  // in the parent
  };
  const Case cases[] = {
      {form.UiToolbar1, {0, 0, 673, 60}},
      {form.TBRefresh, gfx::Rect::FromSize(4, 0, 80, 60)},
      {form.UiSpacer1, gfx::Rect::FromSize(84, 5, 25, 50)},
      {form.TBAbout, gfx::Rect::FromSize(109, 0, 80, 60)},
      {form.UiSpacer2, gfx::Rect::FromSize(189, 5, 25, 50)},
      {form.TBUpdate, gfx::Rect::FromSize(214, 0, 80, 60)},
      {form.TBHomePage, gfx::Rect::FromSize(294, 0, 80, 60)},
      {form.UiSpacer3, gfx::Rect::FromSize(374, 5, 25, 50)},
      {form.TBExit, gfx::Rect::FromSize(399, 0, 80, 60)},
      {form.LabVer, gfx::Rect::FromSize(479, 23, 82, 14)},
      {form.UiPageControl1, {0, 60, 673, 456}},
      {form.UiStatusBar1, {0, 456, 673, 475}},
      {form.UiClockStatus1, {0, 0, 150, 19}},
      {form.UiStatusPanes[0], {150, 0, 250, 19}},
      {form.UiStatusPanes[1], {250, 0, 350, 19}},
      {form.UiStatusPanes[2], {350, 0, 450, 19}},
      {form.UiStatusPanes[3], {450, 0, 650, 19}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.Control->Bounds(), c.Bounds) << c.Control->Caption();
  }
  EXPECT_FALSE(form.TBHelp->Visible());
}

TEST_F(MainWindowTest, ANarrowWindowWrapsTheToolbarAndTheRestFollows) {
  TFormOrvanta& form = CreateAndShow();
  form.SetClientSize(400, 300);
  Ui.App.ProcessMessages();
  // 4 + 80 + 25 + 80 + 25 + 80 + 80 = 374 fits 400 - 4; the third spacer starts a second row.
  EXPECT_EQ(form.UiSpacer3->Left(), 4);
  EXPECT_EQ(form.UiToolbar1->Height(), 85);
  EXPECT_EQ(form.UiPageControl1->Bounds(), (gfx::Rect{0, 85, 400, 281}));
  EXPECT_EQ(form.TabSheet1->Bounds(), form.UiPageControl1->PageRect());
  EXPECT_EQ(form.Chart1->Chart().GetSize().Width, form.TabSheet2->Width());
}

TEST_F(MainWindowTest, TabsSwitchPagesByMouseAndKeyboard) {
  TFormOrvanta& form = CreateAndShow();
  controls::TUiPageControl& pages = *form.UiPageControl1;
  EXPECT_TRUE(form.TabSheet1->Visible());
  EXPECT_FALSE(form.TabSheet2->Visible());
  const gfx::Rect tab =
      pages.TabRect(1).Offset(pages.BoundsInForm().Left, pages.BoundsInForm().Top);
  Ui.Host.Click(Window(), {(tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2});
  Ui.App.ProcessMessages();
  EXPECT_EQ(pages.TabIndex(), 1);
  EXPECT_FALSE(form.TabSheet1->Visible());
  EXPECT_TRUE(form.Chart1->Showing());

  ASSERT_TRUE(pages.SetFocus());
  Ui.Host.Key(Window(), ui::kVkRight);  // on to the timeline, the last tab
  Ui.App.ProcessMessages();
  Ui.Host.Key(Window(), ui::kVkRight);  // wraps from the last tab to the first
  Ui.App.ProcessMessages();
  EXPECT_EQ(pages.TabIndex(), 0);
  EXPECT_TRUE(form.UiLWMsg->Showing());
}

TEST_F(MainWindowTest, TheTimelineAndTheListLeadToEachOthersRun) {
  TFormOrvanta& form = CreateAndShow();
  controls::TUiPageControl& pages = *form.UiPageControl1;
  controls::TUiTimeline& timeline = *form.Timeline1;
  const history::TimelineRows& rows = timeline.Rows();
  ASSERT_GE(form.Runs().size(), 2u);
  const std::ptrdiff_t day = rows.RowOfRun(1);
  ASSERT_GE(day, 0);

  // Run 1's block: resting over it shows its tip after the program's hint pause, a click on
  // it selects run 1 on the log page.
  pages.SetTabIndex(2);
  timeline.ScrollToRow(static_cast<std::size_t>(day));
  Ui.App.ProcessMessages();
  std::size_t piece = rows.Days[static_cast<std::size_t>(day)].FirstPiece;
  while (rows.Pieces.at(piece).Run != 1) {
    ++piece;
  }
  const gfx::Rect block =
      controls::TimelineBlockRect(timeline.Geometry(), static_cast<std::size_t>(day),
                                  rows.Pieces[piece])
          .Offset(timeline.BoundsInForm().Left, timeline.BoundsInForm().Top);
  Ui.Host.MouseMove(Window(), {block.Left, block.Top});
  Ui.App.ProcessMessages();
  Ui.Host.Advance(Ui.App.HintPause());
  Ui.App.ProcessMessages();
  ASSERT_TRUE(Ui.App.Hints().Showing());
  EXPECT_EQ(Ui.App.Hints().ShownText().rfind("开机\n开始: ", 0), 0u) << Ui.App.Hints().ShownText();
  Ui.Host.Click(Window(), {block.Left, block.Top});
  Ui.App.ProcessMessages();
  EXPECT_EQ(pages.TabIndex(), 0);
  EXPECT_EQ(form.UiLWMsg->Selected(), 1);

  // Two clicks on the list's row 1: too slow, then quick enough for a double click, which
  // shows the timeline at the run's first day.
  timeline.ScrollToRow(rows.Days.size());
  const gfx::Rect row = form.UiLWMsg->Layout().RowRect(1, 0, 0).Offset(
      form.UiLWMsg->BoundsInForm().Left, form.UiLWMsg->BoundsInForm().Top);
  const gfx::Point at{row.Left + 20, (row.Top + row.Bottom) / 2};
  for (auto [pause, tab] :
       {std::pair{controls::TUiListView::kDoubleClickMs + 1, 0}, std::pair{std::int64_t{100}, 2}}) {
    Ui.Host.Click(Window(), at);
    Ui.App.ProcessMessages();
    Ui.Host.Advance(pause);
    Ui.Host.Click(Window(), at);
    Ui.App.ProcessMessages();
    Ui.Host.Advance(1000);
    EXPECT_EQ(pages.TabIndex(), tab) << pause;
  }
  const auto first = static_cast<std::size_t>(day);
  EXPECT_LE(timeline.TopRow(), first);
  EXPECT_LT(first, timeline.TopRow() + timeline.VisibleRows());
}

}  // namespace
}  // namespace orvanta::app
