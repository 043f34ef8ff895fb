// The About window: made fresh by each click on About, modal over the main window, closed by
// its button or its close box; its links open through the shell.
#include <gtest/gtest.h>

#include "app/form_about.h"
#include "app/main_window_test_fixture.h"

namespace orvanta::app {
namespace {

using testing::MainWindowTest;

enum class CloseBy { Button, CloseBox };

// What the test saw of the About window while it was shown.
struct Seen {
  TFormAbout* Window = nullptr;
  ui::WindowId Id = ui::kNoWindow;
  std::string Version;
  bool MainTookInput = true;
  int LogOpenings = 0;
  bool Terminated = false;
};

struct AboutWindowTest : MainWindowTest {
  // Opens the About window with Alt+A; while it is shown, tries Alt+E, Alt+R and a click on
  // Refresh on the main window, then closes it the given way.
  Seen OpenAndClose(CloseBy how) {
    Seen seen;
    int step = 0;
    Ui.Host.OnIdle = [&] {
      TFormAbout* about = Form->FormAbout;
      ASSERT_NE(about, nullptr);
      switch (step++) {
        case 0:
          seen.Window = about;
          seen.Id = about->Window();
          seen.Version = about->Label2->Caption();
          Fake.LogOpenings = 0;
          Ui.Host.Char(Window(), U'e', ui::kShiftAlt);
          Ui.Host.Char(Window(), U'r', ui::kShiftAlt);
          Ui.Host.Click(Window(), Centre(*Form->TBRefresh));
          break;
        case 1:
          seen.MainTookInput = Form->InputEnabled();
          seen.LogOpenings = Fake.LogOpenings;
          seen.Terminated = Ui.App.Terminated();
          if (how == CloseBy::Button) {
            Ui.Host.Click(about->Window(), Centre(*about->Button1));
          } else {
            Ui.Host.Close(about->Window());
          }
          break;
        default:
          ADD_FAILURE() << "the About window did not close";
          Ui.Host.Close(about->Window());
      }
    };
    Ui.Host.Char(Window(), U'a', ui::kShiftAlt);
    Ui.App.ProcessMessages();
    Ui.Host.OnIdle = nullptr;
    return seen;
  }
};

TEST_F(AboutWindowTest, ShowsModallyOverTheMainWindowAndClosesByButtonOrCloseBox) {
  CreateAndShow();
  const gfx::Rect main = Ui.Host.State(Window()).Bounds;
  ui::WindowId previous = ui::kNoWindow;
  for (CloseBy how : {CloseBy::Button, CloseBy::CloseBox, CloseBy::Button}) {
    const Seen seen = OpenAndClose(how);
    ASSERT_NE(seen.Window, nullptr);
    EXPECT_NE(seen.Id, previous) << "each click makes a fresh window";
    previous = seen.Id;
    EXPECT_EQ(seen.Version, Form->LabVer->Caption());
    EXPECT_FALSE(seen.MainTookInput);
    EXPECT_EQ(seen.LogOpenings, 0) << "the main window ignored Alt+R and the click";
    EXPECT_FALSE(seen.Terminated) << "the main window ignored Alt+E";

    const auto& state = Ui.Host.State(seen.Id);
    EXPECT_TRUE(state.Destroyed);
    EXPECT_EQ(state.Title, "关于");
    EXPECT_EQ(state.Spec.Owner, Window());
    EXPECT_TRUE(state.Spec.Modal);
    EXPECT_EQ(state.Spec.Kind, ui::WindowKind::Dialog);
    EXPECT_FALSE(state.Spec.MinimizeBox);
    EXPECT_FALSE(state.Spec.MaximizeBox);
    EXPECT_EQ(state.Bounds,
              gfx::Rect::FromSize(main.Left + (main.Width() - TFormAbout::kClientWidth) / 2,
                                  main.Top + (main.Height() - TFormAbout::kClientHeight) / 2,
                                  TFormAbout::kClientWidth, TFormAbout::kClientHeight));
    EXPECT_EQ(Form->FormAbout, nullptr);
    EXPECT_TRUE(Form->InputEnabled());
  }
  // The main window takes input again.
  Ui.Host.Char(Window(), U'r', ui::kShiftAlt);
  Ui.App.ProcessMessages();
  EXPECT_EQ(Fake.LogOpenings, 1);
}

// A link opens its target through the shell and turns the visited colour for the life of the
// window; a new window starts unvisited.
TEST_F(AboutWindowTest, LinksOpenTheirTargetsThroughTheShell) {
  CreateAndShow();
  struct Case {
    controls::TUiURLLabel* TFormAbout::*Link;
    std::string Caption;
    std::string Target;
  };
  const Case cases[] = {
      {&TFormAbout::UiURLLabel4, TFormAbout::kHomePageAddress, TFormAbout::kHomePageAddress},
      {&TFormAbout::UiURLLabel1, TFormAbout::kMailAddress,
       std::string("mailto:") + TFormAbout::kMailAddress},
  };
  for (const Case& c : cases) {
    for (int showing = 0; showing < 2; ++showing) {
      Fake.Shell.Opened.clear();
      bool visitedBefore = true;
      bool visitedAfter = false;
      int step = 0;
      Ui.Host.OnIdle = [&] {
        TFormAbout& about = *Form->FormAbout;
        controls::TUiURLLabel& link = *(about.*c.Link);
        if (step++ == 0) {
          EXPECT_EQ(link.Caption(), c.Caption);
          visitedBefore = link.Visited();
          Ui.Host.Click(about.Window(), {link.Left() + 3, link.Top() + 3});
        } else {
          visitedAfter = link.Visited();
          EXPECT_EQ(link.Font().TextColor, gfx::RGB(130, 95, 70));
          Ui.Host.Close(about.Window());
        }
      };
      Ui.Host.Char(Window(), U'a', ui::kShiftAlt);
      Ui.App.ProcessMessages();
      Ui.Host.OnIdle = nullptr;
      EXPECT_FALSE(visitedBefore) << c.Target;
      EXPECT_TRUE(visitedAfter) << c.Target;
      EXPECT_EQ(Fake.Shell.Opened, std::vector<std::string>{c.Target});
    }
  }
}

}  // namespace
}  // namespace orvanta::app
