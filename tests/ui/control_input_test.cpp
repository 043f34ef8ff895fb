#include <gtest/gtest.h>

#include "probe_control.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::ui::testing {
namespace {

// A form with a container P at (10, 10) holding A at (5, 5) and B at (40, 5), each 20 x 20:
// A covers form pixels 15..34, B 50..69 horizontally, both 15..34 vertically.
struct InputFixture : JournalFixture {
  InputFixture() {
    form.SetClientSize(200, 100);
    p = &form.Add<Probe>(journal, "P");
    p->SetBounds(10, 10, 100, 50);
    a = &p->Add<Probe>(journal, "A");
    a->SetBounds(5, 5, 20, 20);
    b = &p->Add<Probe>(journal, "B");
    b->SetBounds(40, 5, 20, 20);
    ShowAndSettle(form);
    window = form.Window();
    journal.clear();
  }
  Probe* p = nullptr;
  Probe* a = nullptr;
  Probe* b = nullptr;
  WindowId window = kNoWindow;
};

TEST(MouseRouting, EnterAndLeaveFollowTheAncestorChain) {
  InputFixture f;
  f.Host.MouseMove(f.window, {20, 20});
  EXPECT_EQ(f.Run(), (Journal{"P.enter", "A.enter", "A.move(5,5)"}));
  f.Host.MouseMove(f.window, {55, 20});
  EXPECT_EQ(f.Run(), (Journal{"A.leave", "B.enter", "B.move(5,5)"}));
  f.Host.MouseMove(f.window, {3, 3});
  EXPECT_EQ(f.Run(), (Journal{"B.leave", "P.leave"}));
  f.Host.MouseMove(f.window, {55, 20});
  f.Host.Inject({.Kind = HostEventKind::MouseLeave, .Window = f.window});
  EXPECT_EQ(f.Run(), (Journal{"P.enter", "B.enter", "B.move(5,5)", "B.leave", "P.leave"}));
}

TEST(MouseRouting, PressCapturesUntilRelease) {
  InputFixture f;
  f.Host.MouseMove(f.window, {20, 20});
  f.Host.MouseDown(f.window, {20, 20});
  f.Host.MouseMove(f.window, {60, 20});
  f.Host.MouseUp(f.window, {60, 20});
  f.Host.MouseMove(f.window, {61, 20});
  // B does not light up under a button held on A; it is entered once the capture ends.
  EXPECT_EQ(f.Run(), (Journal{"P.enter", "A.enter", "A.move(5,5)", "A.down(5,5)", "A.leave",
                              "A.move(45,5)", "A.up(45,5)", "B.enter", "B.move(11,5)"}));
  EXPECT_EQ(f.Host.CaptureWindow, kNoWindow);
}

TEST(MouseRouting, ReleaseInsideClicksAndOutsideDoesNot) {
  InputFixture f;
  f.Host.Click(f.window, {20, 20});
  Journal j = f.Run();
  EXPECT_EQ(j.back(), "A.click");
  f.Host.MouseDown(f.window, {20, 20});
  f.Host.MouseUp(f.window, {90, 20});
  j = f.Run();
  EXPECT_EQ(std::count(j.begin(), j.end(), "A.click"), 0);
}

TEST(MouseRouting, ExplicitCaptureOutlivesTheButtonAndCanBeLost) {
  InputFixture f;
  f.Host.MouseDown(f.window, {20, 20});
  f.Run();
  f.a->SetMouseCapture();
  f.Host.MouseUp(f.window, {20, 20});
  f.Host.MouseMove(f.window, {150, 80});
  Journal j = f.Run();
  EXPECT_EQ(j.back(), "A.move(135,65)");
  EXPECT_EQ(f.Host.CaptureWindow, f.window);
  f.Host.Inject({.Kind = HostEventKind::CaptureLost, .Window = f.window});
  f.Host.MouseMove(f.window, {151, 80});
  j = f.Run();
  EXPECT_EQ(j.front(), "A.capturelost");
  EXPECT_FALSE(f.a->HasMouseCapture());
  EXPECT_EQ(std::count(j.begin(), j.end(), "A.move(136,65)"), 0);
}

TEST(MouseRouting, DisabledControlsReceiveNothing) {
  InputFixture f;
  f.a->SetEnabled(false);
  f.Host.Click(f.window, {20, 20});
  for (const std::string& e : f.Run()) {
    EXPECT_NE(e.substr(0, 2), "A.") << e;
  }
}

TEST(MouseRouting, WheelBubblesToTheFirstTaker) {
  InputFixture f;
  f.p->HandleWheel = true;
  f.Host.MouseMove(f.window, {20, 20});
  f.Run();
  f.Host.Wheel(f.window, {20, 20}, -1);
  EXPECT_EQ(f.Run(), (Journal{"A.wheel-1", "P.wheel-1"}));
}

TEST(MouseRouting, CursorComesFromTheControlOrItsParents) {
  InputFixture f;
  f.b->SetCursor(CursorKind::Hand);
  f.p->SetCursor(CursorKind::SizeNWSE);
  f.Host.MouseMove(f.window, {55, 20});
  f.Run();
  EXPECT_EQ(f.Host.State(f.window).Cursor, CursorKind::Hand);
  f.Host.MouseMove(f.window, {20, 20});
  f.Run();
  EXPECT_EQ(f.Host.State(f.window).Cursor, CursorKind::SizeNWSE);
  f.Host.MouseMove(f.window, {150, 80});
  f.Run();
  EXPECT_EQ(f.Host.State(f.window).Cursor, CursorKind::Arrow);
}

TEST(MouseRouting, AControlDestroyedInItsOwnHandlerIsForgotten) {
  InputFixture f;
  f.a->OnClick = [&f] { f.p->Remove(*f.a).reset(); };
  f.Host.Click(f.window, {20, 20});
  f.Host.MouseMove(f.window, {21, 21});
  f.Host.Click(f.window, {21, 21});
  const Journal j = f.Run();
  EXPECT_EQ(j.back(), "P.click");
  EXPECT_EQ(f.p->ChildCount(), 1);
}

TEST(MouseRouting, SizeGripHandsTheMouseToTheSystem) {
  InputFixture f;
  f.Host.MouseDown(f.window, {20, 20});
  f.Run();
  f.a->ReleaseMouseCapture();
  EXPECT_FALSE(f.form.IsMaximized());
  f.Host.State(f.window).Maximized = true;
  EXPECT_TRUE(f.form.IsMaximized());  // a grip hides itself then
  f.Host.State(f.window).Maximized = false;
  f.form.BeginSizeFromBottomRight();
  EXPECT_EQ(f.Host.SizeOperations, (std::vector<WindowId>{f.window}));
  EXPECT_EQ(f.Host.CaptureWindow, kNoWindow);
  // The release happens inside the system's operation; the next press starts afresh.
  f.Host.Inject({.Kind = HostEventKind::Resized, .Window = f.window, .ClientSize = {300, 150}});
  f.Host.Click(f.window, {55, 20});
  const Journal j = f.Run();
  EXPECT_EQ(j.back(), "B.click");
  EXPECT_EQ(f.form.Width(), 300);
}

}  // namespace
}  // namespace orvanta::ui::testing
