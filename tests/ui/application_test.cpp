#include <gtest/gtest.h>

#include <functional>

#include "probe_control.h"
#include "ui/support/ui_fixture.h"
#include "ui/timer.h"

namespace orvanta::ui::testing {
namespace {

TEST(Timers, FireInDueOrderOnTheHostClock) {
  UiFixture f;
  Journal journal;
  const std::int64_t start = f.Host.Now;
  auto at = [&](const char* name) {
    return [&journal, &f, name, start] {
      journal.push_back(std::string(name) + "@" + std::to_string(f.Host.Now - start));
    };
  };
  Timer a(f.App);
  a.SetInterval(30);
  a.OnTimer = at("A");
  Timer b(f.App);
  b.SetInterval(20);
  b.OnTimer = at("B");
  Timer c(f.App);
  c.SetInterval(50);
  c.OnTimer = at("C");
  f.App.RunUntil([&] { return journal.size() >= 7; });
  EXPECT_EQ(journal, (Journal{"B@20", "A@30", "B@40", "C@50", "A@60", "B@60", "B@80"}));
  c.SetEnabled(false);
  EXPECT_FALSE(c.Active());
  a.SetInterval(0);
  EXPECT_FALSE(a.Active());
}

TEST(Timers, NeverRunInsideAHandlerAndCatchUpOnce) {
  UiFixture f;
  Form form(f.App);
  Journal journal;
  Probe& slow = form.Add<Probe>(journal, "Slow");
  slow.SetBounds(0, 0, 50, 50);
  slow.OnClick = [&] {
    journal.push_back("refresh-start");
    f.Host.Advance(5000);  // a long refresh: five intervals pass inside it
    journal.push_back("refresh-end");
  };
  f.ShowAndSettle(form);
  Timer timer(f.App);
  timer.OnTimer = [&] { journal.push_back("tick"); };
  journal.clear();
  f.Host.Click(form.Window(), {10, 10});
  f.App.ProcessMessages();
  const auto start = std::find(journal.begin(), journal.end(), "refresh-start");
  ASSERT_NE(start, journal.end());
  EXPECT_EQ(*(start + 1), "refresh-end");
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "tick"), 1);
}

TEST(Timers, AHandlerThatPumpsDoesNotReenterItsTimer) {
  UiFixture f;
  Timer timer(f.App);
  timer.SetInterval(10);
  int depth = 0;
  int deepest = 0;
  int ticks = 0;
  timer.OnTimer = [&] {
    ++ticks;
    ++depth;
    deepest = std::max(deepest, depth);
    f.Host.Advance(50);
    f.App.ProcessMessages();
    --depth;
  };
  f.App.RunUntil([&] { return ticks >= 3; });
  EXPECT_EQ(deepest, 1);
}

TEST(Timers, AHandlerMayStopItsOwnTimer) {
  UiFixture f;
  auto timer = std::make_unique<Timer>(f.App);
  int ticks = 0;
  timer->SetInterval(10);
  timer->OnTimer = [&] {
    ++ticks;
    timer.reset();
  };
  f.App.RunUntil([&] { return !timer; });
  f.Host.Advance(100);
  f.App.ProcessMessages();
  EXPECT_EQ(ticks, 1);
}

TEST(Painting, InvalidationsCoalesceIntoOnePresentOfTheirUnion) {
  UiFixture f;
  Form form(f.App);
  form.SetClientSize(200, 100);
  Journal journal;
  Control& a = form.Add<Control>();
  a.SetBounds(10, 10, 20, 20);
  Control& b = form.Add<Control>();
  b.SetBounds(100, 50, 30, 30);
  f.ShowAndSettle(form);
  ASSERT_EQ(f.Host.PresentCount, 1);
  EXPECT_EQ(f.Host.PresentedAreas.back(), (gfx::Rect{0, 0, 200, 100}));

  a.Invalidate();
  b.Invalidate();
  a.Invalidate({0, 0, 5, 5});
  EXPECT_EQ(f.Host.PresentCount, 1);  // nothing is painted inside the handler
  f.Log->Clear();
  f.App.ProcessMessages();
  EXPECT_EQ(f.Host.PresentCount, 2);
  EXPECT_EQ(f.Host.PresentedAreas.back(), (gfx::Rect{10, 10, 130, 80}));
  // The form's background fill is clipped to the dirty part.
  ASSERT_FALSE(f.Log->Fills().empty());
}

TEST(Painting, OnlyControlsInTheDirtyAreaPaint) {
  UiFixture f;
  Form form(f.App);
  form.SetClientSize(200, 100);
  struct Counter : Control {
    int Paints = 0;
    void Paint(gfx::Canvas&) override { ++Paints; }
  };
  Counter& left = form.Add<Counter>();
  left.SetBounds(0, 0, 50, 50);
  Counter& right = form.Add<Counter>();
  right.SetBounds(100, 0, 50, 50);
  f.ShowAndSettle(form);
  right.Invalidate();
  f.App.ProcessMessages();
  EXPECT_EQ(left.Paints, 1);
  EXPECT_EQ(right.Paints, 2);
  // Exposure shows the last frame again without painting.
  f.Host.Inject({.Kind = HostEventKind::Exposed, .Window = form.Window(), .Area = {0, 0, 60, 60}});
  f.App.ProcessMessages();
  EXPECT_EQ(left.Paints, 1);
  EXPECT_EQ(f.Host.PresentedAreas.back(), (gfx::Rect{0, 0, 60, 60}));
}

TEST(ModalForms, TheOwnerTakesNoInputUntilTheModalFormCloses) {
  UiFixture f;
  Form main(f.App);
  f.App.SetMainForm(main);
  main.SetClientSize(400, 300);
  Journal journal;
  Probe& button = main.Add<Probe>(journal, "Button");
  button.SetBounds(0, 0, 50, 50);
  Timer timer(f.App);
  timer.SetInterval(100);
  int ticks = 0;
  timer.OnTimer = [&] { ++ticks; };
  f.ShowAndSettle(main);

  Form about(f.App);
  about.SetOwner(&main);
  about.SetClientSize(100, 80);
  about.SetPlacement(FormPlacement::OwnerFormCenter);
  about.SetBorderStyle(BorderStyle::Single);
  int step = 0;
  f.Host.OnIdle = [&] {
    switch (step++) {
      case 0:
        f.Host.Click(main.Window(), {10, 10});
        f.Host.Close(main.Window());
        break;
      case 1:
      case 2:
        f.Host.Advance(150);
        break;
      default:
        f.Host.Close(about.Window());
    }
  };
  journal.clear();
  const int result = about.ShowModal();
  EXPECT_EQ(result, kMrCancel);
  EXPECT_EQ(journal, Journal{});
  EXPECT_GE(ticks, 2);  // the owner's timers go on meanwhile
  EXPECT_FALSE(f.App.Terminated());
  EXPECT_FALSE(about.Visible());
  const auto& state = f.Host.State(about.Window());
  EXPECT_EQ(state.Spec.Owner, main.Window());
  EXPECT_TRUE(state.Spec.Modal);
  EXPECT_EQ(state.Spec.Kind, WindowKind::Dialog);
  EXPECT_EQ(state.Bounds, gfx::Rect::FromSize(150, 110, 100, 80));

  f.Host.OnIdle = nullptr;
  f.Host.Click(main.Window(), {10, 10});
  f.App.ProcessMessages();
  EXPECT_EQ(journal.back(), "Button.click");
}

// Input for the owner that waits behind what closed the modal form was sent while it was open:
// it is dropped, not served once the owner takes input again.
TEST(ModalForms, InputForTheOwnerQueuedWhileOpenIsDropped) {
  UiFixture f;
  Form main(f.App);
  f.App.SetMainForm(main);
  Journal journal;
  Probe& button = main.Add<Probe>(journal, "Button");
  button.SetBounds(0, 0, 50, 50);
  f.ShowAndSettle(main);
  Form about(f.App);
  about.SetOwner(&main);
  f.Host.OnIdle = [&] {
    f.Host.Close(about.Window());
    f.Host.Click(main.Window(), {10, 10});
  };
  journal.clear();
  about.ShowModal();
  f.Host.OnIdle = nullptr;
  f.App.ProcessMessages();
  EXPECT_EQ(journal, Journal{});
  EXPECT_TRUE(main.InputEnabled());
}

TEST(ModalForms, AModalResultEndsTheLoop) {
  UiFixture f;
  Form main(f.App);
  f.App.SetMainForm(main);
  f.ShowAndSettle(main);
  Form dialog(f.App);
  Journal journal;
  Probe& ok = dialog.Add<Probe>(journal, "Ok");
  ok.SetBounds(0, 0, 40, 20);
  ok.OnClick = [&] { dialog.SetModalResult(kMrOk); };
  f.Host.OnIdle = [&] { f.Host.Click(dialog.Window(), {5, 5}); };
  EXPECT_EQ(dialog.ShowModal(), kMrOk);
  EXPECT_EQ(dialog.GetModalResult(), kMrNone);
  EXPECT_TRUE(main.InputEnabled());
}

TEST(MainForm, ClosingItEndsRun) {
  UiFixture f;
  Form main(f.App);
  main.SetCaption("Orvanta");
  main.SetClientSize(673, 475);
  main.SetPlacement(FormPlacement::DesktopCenter);
  f.App.SetMainForm(main);
  bool asked = false;
  main.OnClose = [&](CloseAction&) { asked = true; };
  f.Host.OnIdle = [&] { f.Host.Close(main.Window()); };
  f.App.Run();
  EXPECT_TRUE(asked);
  EXPECT_TRUE(f.App.Terminated());
  const auto& state = f.Host.State(main.Window());
  EXPECT_EQ(state.Title, "Orvanta");
  EXPECT_EQ(state.Spec.Kind, WindowKind::Sizeable);
  EXPECT_EQ(state.Bounds, gfx::Rect::FromSize((1024 - 673) / 2, (768 - 475) / 2, 673, 475));
}

TEST(MainForm, TheWholeWindowIsCentredFrameIncluded) {
  UiFixture f;
  f.Host.Frame = {4, 26, 4, 4};  // outer 681 x 505 around a client of 673 x 475
  Form main(f.App);
  main.SetClientSize(673, 475);
  main.SetPlacement(FormPlacement::DesktopCenter);
  f.ShowAndSettle(main);
  EXPECT_EQ(f.Host.State(main.Window()).Bounds,
            gfx::Rect::FromSize((1024 - 681) / 2 + 4, (768 - 505) / 2 + 26, 673, 475));

  Form dialog(f.App);
  dialog.SetClientSize(201, 101);
  dialog.SetPlacement(FormPlacement::OwnerFormCenter);
  f.ShowAndSettle(dialog);
  // Centred over the main window's outer rectangle, (171, 131) to (852, 636).
  EXPECT_EQ(f.Host.State(dialog.Window()).Bounds,
            gfx::Rect::FromSize(171 + (681 - 209) / 2 + 4, 131 + (505 - 131) / 2 + 26, 201, 101));
}

// However a form is shown, also through a plain control reference, its window opens, shows
// and takes part in painting; a second Show through the base brings it forward again.
TEST(FormWindow, EveryWayOfShowingOpensTheWindow) {
  const std::function<void(Control&)> ways[] = {
      [](Control& c) { c.Show(); },
      [](Control& c) { c.SetVisible(true); },
  };
  for (const auto& show : ways) {
    UiFixture f;
    Form form(f.App);
    Form other(f.App);
    f.ShowAndSettle(other);
    show(form);
    f.App.ProcessMessages();
    ASSERT_NE(form.Window(), kNoWindow);
    EXPECT_TRUE(f.Host.State(form.Window()).Visible);
    EXPECT_GT(f.Host.State(form.Window()).Presents, 0);
    f.Host.Activate(other.Window());
    static_cast<Control&>(form).Show();
    EXPECT_EQ(f.Host.ActiveWindow(), form.Window());
  }
}

TEST(MainForm, OnCloseMayRefuse) {
  UiFixture f;
  Form main(f.App);
  f.App.SetMainForm(main);
  main.OnClose = [](CloseAction& action) { action = CloseAction::None; };
  f.ShowAndSettle(main);
  f.Host.Close(main.Window());
  f.App.ProcessMessages();
  EXPECT_FALSE(f.App.Terminated());
  EXPECT_TRUE(main.Visible());
}

}  // namespace
}  // namespace orvanta::ui::testing
