#include <gtest/gtest.h>

#include "probe_control.h"
#include "ui/focus_order.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::ui::testing {
namespace {

struct FocusFixture : JournalFixture {
  FocusFixture() { form.SetClientSize(300, 200); }
  Probe& AddFocusable(Control& parent, const std::string& name, int x) {
    Probe& probe = parent.Add<Probe>(journal, name, kCsAcceptsFocus);
    probe.SetBounds(x, 10, 20, 20);
    return probe;
  }
};

TEST(FocusOrder, TabVisitsStopsInTabOrderAndWraps) {
  FocusFixture f;
  Probe& a = f.AddFocusable(f.form, "A", 0);
  Control& panel = f.form.Add<Control>();
  Probe& b = f.AddFocusable(panel, "B", 0);
  Probe& c = f.AddFocusable(panel, "C", 30);
  Probe& hidden = f.AddFocusable(f.form, "H", 60);
  Probe& noStop = f.AddFocusable(f.form, "N", 90);
  Probe& first = f.AddFocusable(f.form, "F", 120);
  hidden.Hide();
  noStop.SetTabStop(false);
  first.SetTabOrder(-1);
  c.SetTabOrder(-1);
  f.ShowAndSettle(f.form);
  EXPECT_EQ(TabList(f.form), (std::vector<Control*>{&first, &a, &c, &b}));
  EXPECT_EQ(NextTabStop(f.form, &b, TabDirection::Forward), &first);
  EXPECT_EQ(NextTabStop(f.form, &first, TabDirection::Backward), &b);
  EXPECT_EQ(NextTabStop(f.form, nullptr, TabDirection::Forward), &first);
  panel.SetEnabled(false);
  EXPECT_EQ(TabList(f.form), (std::vector<Control*>{&first, &a}));
}

TEST(FocusOrder, ShowingFocusesTheFirstStopAndTabMovesOn) {
  FocusFixture f;
  Probe& a = f.AddFocusable(f.form, "A", 0);
  Probe& b = f.AddFocusable(f.form, "B", 30);
  b.SetTabOrder(-1);
  f.ShowAndSettle(f.form);
  EXPECT_TRUE(b.Focused());
  EXPECT_FALSE(a.Focused());
  f.journal.clear();
  f.Host.Key(f.form.Window(), kVkTab);
  EXPECT_EQ(f.Run(), (Journal{"B.blur", "A.focus"}));
  f.Host.Key(f.form.Window(), kVkTab, kShiftShift);
  EXPECT_EQ(f.Run(), (Journal{"A.blur", "B.focus"}));
  f.Host.Inject({.Kind = HostEventKind::Deactivated, .Window = f.form.Window()});
  EXPECT_EQ(f.Run(), (Journal{"B.blur"}));
  EXPECT_FALSE(b.Focused());
  EXPECT_EQ(f.form.ActiveControl(), &b);
  f.Host.Inject({.Kind = HostEventKind::Activated, .Window = f.form.Window()});
  EXPECT_EQ(f.Run(), (Journal{"B.focus"}));
}

TEST(FocusOrder, HidingTheFocusControlDropsTheFocus) {
  FocusFixture f;
  Probe& a = f.AddFocusable(f.form, "A", 0);
  f.ShowAndSettle(f.form);
  f.journal.clear();
  a.Hide();
  EXPECT_EQ(f.journal, (Journal{"A.blur"}));
  EXPECT_EQ(f.form.ActiveControl(), nullptr);
  EXPECT_FALSE(a.SetFocus());
}

TEST(AccessKeys, TheFirstVisibleEnabledTakerFires) {
  FocusFixture f;
  Control& toolbar = f.form.Add<Control>();
  Probe& help = toolbar.Add<Probe>(f.journal, "Help");
  help.SetCaption("帮助(&H)");
  help.Hide();
  Probe& home = toolbar.Add<Probe>(f.journal, "Home");
  home.SetCaption("主页(&H)");
  Probe& refresh = toolbar.Add<Probe>(f.journal, "Refresh");
  refresh.SetCaption("刷新(&R)");
  f.ShowAndSettle(f.form);
  f.journal.clear();

  f.Host.Char(f.form.Window(), U'h', kShiftAlt);
  EXPECT_EQ(f.Run(), (Journal{"Home.accel", "Home.click"}));
  f.Host.Char(f.form.Window(), U'R', kShiftAlt);
  EXPECT_EQ(f.Run(), (Journal{"Refresh.accel", "Refresh.click"}));
  home.SetEnabled(false);
  f.Host.Char(f.form.Window(), U'h', kShiftAlt);
  EXPECT_EQ(f.Run(), Journal{});
  help.Show();
  f.Host.Char(f.form.Window(), U'h', kShiftAlt);
  EXPECT_EQ(f.Run(), (Journal{"Help.accel", "Help.click"}));
  toolbar.Hide();
  f.Host.Char(f.form.Window(), U'h', kShiftAlt);
  EXPECT_EQ(f.Run(), Journal{});
}

TEST(AccessKeys, PlainLettersWorkUnlessTheFocusTakesCharacters) {
  FocusFixture f;
  Probe& editor = f.form.Add<Probe>(f.journal, "Edit", kCsAcceptsFocus | kCsWantsChars);
  editor.SetBounds(0, 0, 10, 10);
  Probe& list = f.AddFocusable(f.form, "List", 30);
  Probe& button = f.form.Add<Probe>(f.journal, "Button");
  button.SetCaption("&Go");
  f.ShowAndSettle(f.form);
  ASSERT_TRUE(editor.Focused());
  f.journal.clear();
  f.Host.Char(f.form.Window(), U'g');
  EXPECT_EQ(f.Run(), (Journal{"Edit.char103"}));
  f.Host.Char(f.form.Window(), U'g', kShiftAlt);
  EXPECT_EQ(f.Run(), (Journal{"Button.accel", "Button.click"}));
  list.SetFocus();
  f.journal.clear();
  f.Host.Char(f.form.Window(), U'G');
  EXPECT_EQ(f.Run(), (Journal{"Button.accel", "Button.click"}));
}

TEST(DialogKeys, TheFocusControlSeesThemFirst) {
  FocusFixture f;
  Probe& focus = f.AddFocusable(f.form, "Focus", 0);
  Probe& defaultButton = f.form.Add<Probe>(f.journal, "Default");
  defaultButton.TakesDialogKeys = true;
  f.ShowAndSettle(f.form);
  f.journal.clear();
  f.Host.Key(f.form.Window(), kVkReturn);
  EXPECT_EQ(f.Run(), (Journal{"Focus.key13", "Default.dialogkey13"}));
  f.Host.Key(f.form.Window(), kVkEscape);
  EXPECT_EQ(f.Run(), (Journal{"Focus.key27", "Default.dialogkey27"}));
  focus.HandleKeys = true;
  f.Host.Key(f.form.Window(), kVkReturn);
  f.Host.Key(f.form.Window(), kVkSpace);
  EXPECT_EQ(f.Run(), (Journal{"Focus.key13", "Focus.key32"}));
}

}  // namespace
}  // namespace orvanta::ui::testing
