#include <gtest/gtest.h>

#include "probe_control.h"
#include "ui/hint_window.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::ui::testing {
namespace {

// A form at screen (100, 50) with a hinted control H at (10, 10), 50 x 50, and a plain one.
struct HintFixture : UiFixture {
  HintFixture() {
    form.SetClientSize(200, 100);
    form.SetScreenPosition({100, 50});
    hinted = &form.Add<Probe>(journal, "H");
    hinted->SetBounds(10, 10, 50, 50);
    hinted->SetHint("Tip");
    hinted->SetShowHint(true);
    plain = &form.Add<Probe>(journal, "P");
    plain->SetBounds(100, 10, 50, 50);
    ShowAndSettle(form);
  }
  void Wait(int ms) {
    Host.Advance(ms);
    App.ProcessMessages();
  }
  void MoveTo(gfx::Point p) {
    Host.MouseMove(form.Window(), p);
    App.ProcessMessages();
  }
  bool Showing() { return App.Hints().Showing(); }

  Form form{App};
  std::vector<std::string> journal;
  Probe* hinted = nullptr;
  Probe* plain = nullptr;
};

TEST(Hints, ShowAfterThePauseAndHideAfterTheHidePause) {
  HintFixture f;
  f.MoveTo({20, 20});
  f.Wait(499);
  EXPECT_FALSE(f.Showing());
  f.MoveTo({30, 30});  // moving within the control does not restart the pause
  f.Wait(1);
  ASSERT_TRUE(f.Showing());
  EXPECT_EQ(f.App.Hints().ShownText(), "Tip");
  EXPECT_EQ(f.App.Hints().ShownAt(), (gfx::Point{130, 100}));
  HintWindow* window = f.App.Hints().Window();
  ASSERT_NE(window, nullptr);
  const auto& state = f.Host.State(window->Window());
  EXPECT_TRUE(state.Visible);
  EXPECT_EQ(state.Spec.Kind, WindowKind::Popup);
  EXPECT_EQ(state.Bounds.Left, 130);
  EXPECT_EQ(state.Bounds.Top, 100);
  EXPECT_EQ(f.Host.ActiveWindow(), f.form.Window());  // the popup takes no focus

  f.Wait(2499);
  EXPECT_TRUE(f.Showing());
  f.Wait(1);
  EXPECT_FALSE(f.Showing());
  EXPECT_FALSE(f.Host.State(window->Window()).Visible);
  f.Wait(5000);
  EXPECT_FALSE(f.Showing());  // not again while the pointer stays
}

TEST(Hints, LeavingTheControlHidesAndReenteringStartsAfresh) {
  HintFixture f;
  f.MoveTo({20, 20});
  f.Wait(500);
  ASSERT_TRUE(f.Showing());
  f.MoveTo({120, 20});
  EXPECT_FALSE(f.Showing());
  f.Wait(1000);
  EXPECT_FALSE(f.Showing());  // the plain control has no hint
  f.MoveTo({20, 20});
  f.Wait(499);
  EXPECT_FALSE(f.Showing());
  f.Wait(1);
  EXPECT_TRUE(f.Showing());
}

TEST(Hints, ClicksKeysAndCancelHideTheHint) {
  HintFixture f;
  f.MoveTo({20, 20});
  f.Wait(500);
  ASSERT_TRUE(f.Showing());
  f.Host.Click(f.form.Window(), {20, 20});
  f.App.ProcessMessages();
  EXPECT_FALSE(f.Showing());
  f.Wait(1000);
  EXPECT_FALSE(f.Showing());

  f.App.ActivateHint(*f.hinted, {300, 300});
  f.Wait(500);
  ASSERT_TRUE(f.Showing());
  EXPECT_EQ(f.App.Hints().ShownAt(), (gfx::Point{300, 320}));
  f.Host.Key(f.form.Window(), kVkDown);
  f.App.ProcessMessages();
  EXPECT_FALSE(f.Showing());

  f.App.ActivateHint(*f.hinted, {300, 300});
  f.Wait(200);
  f.App.CancelHint();
  f.Wait(1000);
  EXPECT_FALSE(f.Showing());
}

TEST(Hints, AHintTextChangedBeforeTheEndOfThePauseIsTheOneShown) {
  HintFixture f;
  f.hinted->SetShowHint(false);
  f.MoveTo({20, 20});
  f.hinted->SetShowHint(true);
  f.hinted->SetHint("2024-05-03 8");
  f.App.ActivateHint(*f.hinted, f.hinted->ClientToScreen({10, 10}));
  f.Wait(100);
  f.hinted->SetHint("2024-05-04 9.5");
  f.Wait(400);
  EXPECT_EQ(f.App.Hints().ShownText(), "2024-05-04 9.5");
}

TEST(Hints, AHiddenOrDestroyedControlShowsNoHint) {
  HintFixture f;
  f.MoveTo({20, 20});
  f.Wait(300);
  f.form.Remove(*f.hinted).reset();
  f.Wait(1000);
  EXPECT_FALSE(f.Showing());
}

// The application's hint follows the pointer, taking the part after "|"; a listener may
// remove another while it is told.
TEST(Hints, TheApplicationsHintFollowsThePointer) {
  HintFixture f;
  f.plain->SetHint("Short|Long text");
  std::vector<std::string> heard;
  int second = 0;
  f.App.AddHintListener([&](const std::string& hint) {
    heard.push_back(hint);
    f.App.RemoveHintListener(second);
  });
  second = f.App.AddHintListener([&](const std::string&) { heard.push_back("second"); });
  for (gfx::Point p : {gfx::Point{20, 20}, gfx::Point{110, 20}, gfx::Point{180, 80}}) {
    f.MoveTo(p);
  }
  EXPECT_EQ(heard, (std::vector<std::string>{"Tip", "Long text", ""}));
  EXPECT_EQ(f.App.Hint(), "");
}

}  // namespace
}  // namespace orvanta::ui::testing
