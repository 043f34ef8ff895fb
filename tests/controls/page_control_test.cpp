#include "controls/page_control.h"

#include <gtest/gtest.h>

#include <functional>

#include "controls/color_math.h"
#include "controls/page_control_layout.h"
#include "ui/list_view.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::controls {
namespace {

using gfx::Rect;

TEST(PageControlLayout, TabsCardAndPagesOfTheMainWindow) {
  // Captions measured 14 high; the minimum is "AAA" wide and 11 high.
  const gfx::Size tab = TabSize({22, 14}, {24, 11});
  EXPECT_EQ(tab, (gfx::Size{40, 20}));
  const gfx::Size sizes[] = {tab, TabSize({30, 14}, {24, 11})};
  EXPECT_EQ(TabRects(sizes, 20, 673), (std::vector<Rect>{{2, 3, 42, 23}, {44, 3, 90, 23}}));
  EXPECT_EQ(TabStripHeight(20), 23);
  EXPECT_EQ(PageArea({673, 396}, 23), (Rect{1, 24, 670, 393}));
  EXPECT_EQ(CardRect({673, 396}, 23), (Rect{0, 23, 672, 395}));
  // A tab never gets wider than the control less 4.
  const gfx::Size wide[] = {{500, 20}};
  EXPECT_EQ(TabRects(wide, 20, 100).front().Width(), 96);
}

TEST(PageControlLayout, TheSelectedTabIsLargerWithCutCorners) {
  const Rect drawn = DrawnTabRect({2, 3, 42, 23}, TabState::Selected);
  EXPECT_EQ(drawn, (Rect{0, 1, 44, 23}));
  EXPECT_EQ(DrawnTabRect({2, 3, 42, 23}, TabState::Unselected), (Rect{2, 3, 42, 23}));
  const auto shape = TabShape(drawn);
  EXPECT_EQ(shape[0], (gfx::Point{0, 23}));
  EXPECT_EQ(shape[2], (gfx::Point{2, 1}));
  EXPECT_EQ(shape[4], (gfx::Point{44, 3}));
}

struct PageControlTest : ::testing::Test {
  PageControlTest() {
    window.SetClientSize(300, 200);
    pages = &window.Add<TUiPageControl>();
    pages->SetAlign(ui::Align::Client);
    for (const char* caption : {"One", "Two", "Three"}) {
      pages->AddPage(caption);
    }
    pages->OnChange = [this] { ++changes; };
    ui.ShowAndSettle(window);
  }
  gfx::Point TabCentre(int i) const {
    const Rect r = pages->TabRect(i);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  void Key(unsigned key) {
    ui.Host.Key(window.Window(), key);
    ui.App.ProcessMessages();
  }

  ui::testing::UiFixture ui;
  ui::Form window{ui.App};
  TUiPageControl* pages = nullptr;
  int changes = 0;
};

TEST_F(PageControlTest, OnlyTheActivePageShows) {
  EXPECT_EQ(pages->TabIndex(), 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pages->Page(i).Bounds(), pages->PageRect()) << i;
    EXPECT_EQ(pages->Page(i).Visible(), i == 0) << i;
  }
  pages->SetTabIndex(2);
  EXPECT_TRUE(pages->Page(2).Visible());
  EXPECT_FALSE(pages->Page(0).Visible());
  EXPECT_EQ(changes, 1);
}

TEST_F(PageControlTest, AClickSelectsATabAndOnTheSelectedOneTakesTheFocus) {
  ui.Host.Click(window.Window(), TabCentre(1));
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->TabIndex(), 1);
  window.SetActiveControl(nullptr);
  ui.Host.Click(window.Window(), TabCentre(1));
  ui.App.ProcessMessages();
  EXPECT_TRUE(pages->Focused());
  EXPECT_EQ(pages->HotTab(), 1);
  // The cut-off corner of a tab is not part of it.
  EXPECT_EQ(pages->TabAt({pages->TabRect(2).Right - 1, pages->TabRect(2).Top}), -1);
}

// A click on another tab hides the page that held the focus; the keys go on to the control.
TEST_F(PageControlTest, AClickOnAnotherTabLeavesTheFocusOnTheControl) {
  ui::Control& inside = pages->Page(0).Add<ui::ListView>();
  ASSERT_TRUE(inside.SetFocus());
  ui.Host.Click(window.Window(), TabCentre(1));
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->TabIndex(), 1);
  EXPECT_TRUE(pages->Focused());
  Key(ui::kVkRight);
  EXPECT_EQ(pages->TabIndex(), 2);
}

TEST_F(PageControlTest, KeysWalkTheTabsAndWrap) {
  ASSERT_TRUE(pages->SetFocus());
  struct Step {
    unsigned Key;
    int Tab;
  };
  const Step steps[] = {{ui::kVkLeft, 2}, {ui::kVkRight, 0}, {ui::kVkDown, 1},
                        {ui::kVkEnd, 2},  {ui::kVkHome, 0},  {ui::kVkUp, 2}};
  for (const Step& s : steps) {
    Key(s.Key);
    EXPECT_EQ(pages->TabIndex(), s.Tab) << s.Key;
  }
  pages->Page(1).SetTabEnabled(false);
  Key(ui::kVkHome);
  Key(ui::kVkRight);
  EXPECT_EQ(pages->TabIndex(), 2);  // the disabled tab is skipped
}

TEST_F(PageControlTest, TheHotTabFollowsTheMouseAndClearsWhenItLeaves) {
  ui.Host.MouseMove(window.Window(), TabCentre(2));
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->HotTab(), 2);
  ui.Host.MouseMove(window.Window(), {150, 150});
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->HotTab(), -1);
  ui.Host.MouseMove(window.Window(), TabCentre(1));
  ui.Host.Inject({.Kind = ui::HostEventKind::MouseLeave, .Window = window.Window()});
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->HotTab(), -1);
}

// Every look property repaints when it changes, and only then.
TEST_F(PageControlTest, LookSettersRepaint) {
  const std::function<void(TUiPageControl&)> setters[] = {
      [](TUiPageControl& p) { p.SetBackgroundColor(gfx::clRed); },
      [](TUiPageControl& p) {
        TUiTabColors colors = p.TabColors();
        colors.Shadow = gfx::clRed;
        p.SetTabColors(colors);
      },
      [](TUiPageControl& p) {
        TUiTextColors colors = p.TextColors();
        colors.Unselected = gfx::clRed;
        p.SetTextColors(colors);
      },
      [](TUiPageControl& p) { p.SetHotTrack(false); },
      [](TUiPageControl& p) { p.SetHotTrackColor(gfx::clRed); },
      [](TUiPageControl& p) { p.SetUseGradients(false); },
      [](TUiPageControl& p) { p.SetShowFocusRect(false); },
      [](TUiPageControl& p) { p.SetFlatColor(gfx::clRed); },
  };
  for (std::size_t i = 0; i < std::size(setters); ++i) {
    ui.App.ProcessMessages();
    setters[i](*pages);
    EXPECT_TRUE(window.NeedsPaint()) << i;
    ui.App.ProcessMessages();
    setters[i](*pages);
    EXPECT_FALSE(window.NeedsPaint()) << i;
  }
}

// Removing a sheet takes its tab away; the control paints and takes clicks on what is left.
TEST_F(PageControlTest, ARemovedPageLeavesNoTabBehind) {
  struct Case {
    int Selected;
    int Removed;
    int SelectedAfter;  // the index of the page selected afterwards
    int ChangesAfter;   // OnChange calls by the removal
  };
  for (Case c : {Case{1, 1, 1, 1}, Case{2, 2, 1, 1}, Case{2, 0, 1, 0}, Case{0, 2, 0, 0}}) {
    pages->SetTabIndex(c.Selected);
    changes = 0;
    TUiTabSheet* kept = &pages->Page(c.SelectedAfter + (c.Removed <= c.SelectedAfter ? 1 : 0));
    std::unique_ptr<ui::Control> gone = pages->Remove(pages->Page(c.Removed));
    ASSERT_NE(gone, nullptr);
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->TabIndex(), c.SelectedAfter) << c.Removed;
    EXPECT_EQ(pages->ActivePage(), kept);
    EXPECT_TRUE(kept->Visible());
    EXPECT_EQ(changes, c.ChangesAfter);
    EXPECT_TRUE(pages->TabRect(2).IsEmpty());
    ui.App.ProcessMessages();  // paints what is left
    const int other = 1 - c.SelectedAfter;
    ui.Host.Click(window.Window(), TabCentre(other));
    ui.App.ProcessMessages();
    EXPECT_EQ(pages->TabIndex(), other);
    gone->SetCaption("Renamed");  // no longer tells the control
    pages->Insert(std::move(gone));
    EXPECT_EQ(pages->PageCount(), 3);
    EXPECT_FALSE(pages->Page(2).Visible());
  }
}

// Ctrl+Tab and Ctrl+Shift+Tab switch pages wherever the focus is inside the control, wrapping
// around; the focus leaves a page that hides with it.
TEST_F(PageControlTest, CtrlTabSwitchesPagesFromInsideAndWraps) {
  ui::Control& inside = pages->Page(2).Add<ui::ListView>();
  pages->SetTabIndex(2);
  ASSERT_TRUE(inside.SetFocus());
  struct Step {
    ui::ShiftState Shift;
    int Tab;
  };
  const Step steps[] = {{ui::kShiftCtrl, 0},
                        {ui::kShiftCtrl | ui::kShiftShift, 2},
                        {ui::kShiftCtrl | ui::kShiftShift, 1},
                        {ui::kShiftCtrl, 2}};
  for (const Step& s : steps) {
    ui.Host.Key(window.Window(), ui::kVkTab, s.Shift);
    ui.App.ProcessMessages();
    EXPECT_EQ(pages->TabIndex(), s.Tab) << s.Shift;
    EXPECT_TRUE(pages->IsAncestorOf(*window.ActiveControl()));
  }
  int asked = 0;
  pages->OnChanging = [&](bool& allow) {
    ++asked;
    allow = false;
  };
  ui.Host.Key(window.Window(), ui::kVkTab, ui::kShiftCtrl);
  Key(ui::kVkHome);
  ui.Host.Click(window.Window(), TabCentre(1));
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->TabIndex(), 2);
  EXPECT_EQ(asked, 3);
}

// A tab that moves away from under a still pointer stops being hot at the hover timer's tick.
TEST_F(PageControlTest, TheHoverTimerClearsATabThePointerNoLongerCovers) {
  ui.Host.MouseMove(window.Window(), TabCentre(1));
  ui.App.ProcessMessages();
  ui.Host.Advance(TUiPageControl::kHoverInterval);
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->HotTab(), 1);  // still over it
  pages->SetMargin(200);
  EXPECT_EQ(pages->HotTab(), 1);
  ui.Host.Advance(TUiPageControl::kHoverInterval);
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->HotTab(), -1);
}

// The unselected tab's ramp needs a full-colour display; the selected tab's bar needs hot
// tracking.
TEST_F(PageControlTest, RampAndBarFollowTheDisplayAndHotTracking) {
  TUiTabColors colors = pages->TabColors();
  colors.HighlightBar = gfx::clRed;
  colors.Shadow = gfx::clBlue;
  pages->SetTabColors(colors);
  pages->SetColor(gfx::clLime);
  struct Case {
    bool FullColor;
    bool HotTrack;
    gfx::Color UnselectedBottom;  // last row of tab 1
    gfx::Color SelectedTop;       // second row of the selected tab 0
  };
  const Case cases[] = {{true, true, gfx::clBlue, gfx::clRed},
                        {false, true, gfx::clWhite, gfx::clRed},
                        {true, false, gfx::clBlue, gfx::clLime}};
  for (const Case& c : cases) {
    ui.Palette.FullColor = c.FullColor;
    pages->SetHotTrack(c.HotTrack);
    pages->Invalidate();
    ui.App.ProcessMessages();
    const gfx::Bitmap& screen = ui.Host.State(window.Window()).Screen;
    const Rect tab = pages->TabRect(1);
    const Rect selected = DrawnTabRect(pages->TabRect(0), TabState::Selected);
    EXPECT_EQ(screen.At(tab.Left + 5, tab.Bottom - 1), ui.Palette.ToPixel(c.UnselectedBottom));
    EXPECT_EQ(screen.At(selected.Left + 8, selected.Top + 1), ui.Palette.ToPixel(c.SelectedTop));
  }
}

TEST_F(PageControlTest, TabGeometryAndTheCardsSwitches) {
  pages->SetTabHeight(30);
  pages->SetTabWidth(50);
  EXPECT_EQ(pages->StripHeight(), 33);
  EXPECT_EQ(pages->TabRect(1), (Rect{54, 3, 104, 33}));  // 2-pixel gaps
  pages->SetTabOverlap(1);
  pages->SetMargin(10);
  EXPECT_EQ(pages->TabRect(1).Left, 62);
  // A hidden tab takes no room and is skipped.
  pages->Page(1).SetTabVisible(false);
  EXPECT_TRUE(pages->TabRect(1).IsEmpty());
  EXPECT_EQ(pages->TabRect(2).Left, 62);
  pages->SelectNextPage(ui::TabDirection::Forward);
  EXPECT_EQ(pages->TabIndex(), 2);
  // Without the shadow the frame runs along the control's own edges.
  pages->SetShowShadow(false);
  EXPECT_EQ(pages->PageRect(), (Rect{1, 34, 299, 199}));
  const gfx::Bitmap& screen = ui.Host.State(window.Window()).Screen;
  struct Case {
    bool CardFrame;
    gfx::Color Edge;  // the right frame column
  };
  for (const Case& c : {Case{true, gfx::clBtnShadow}, Case{false, pages->Color()}}) {
    pages->SetShowCardFrame(c.CardFrame);
    ui.App.ProcessMessages();
    EXPECT_EQ(screen.At(299, 100), ui.Palette.ToPixel(c.Edge)) << c.CardFrame;
  }
}

TEST_F(PageControlTest, TheHotBarTakesTheColourOrItsComplement) {
  ui.Host.MouseMove(window.Window(), TabCentre(1));
  ui.App.ProcessMessages();
  const gfx::Bitmap& screen = ui.Host.State(window.Window()).Screen;
  const Rect tab = pages->TabRect(1);
  EXPECT_EQ(screen.At(tab.Left + 5, tab.Top + 1),
            ui.Palette.ToPixel(TUiPageControl::kHotTrackColor));
  pages->SetHotTrackColorType(htctComplement);
  ui.App.ProcessMessages();
  EXPECT_EQ(
      screen.At(tab.Left + 5, tab.Top + 1),
      ui.Palette.ToPixel(ComplementaryColor(TUiPageControl::kHotTrackColor, 140, ui.Palette)));
}

// Captions go where TextAlignment and TextAlignmentVertical put them in the caption rectangle
// (the tab less 5 on the sides and 3 at the top and bottom).
TEST_F(PageControlTest, CaptionsFollowTheirAlignment) {
  pages->SetTabHeight(40);
  const Rect box = pages->TabRect(1).Inflate(-5, -3);
  struct Case {
    ui::Alignment Horizontal;
    ui::TextLayout Vertical;
    bool AtLeft, AtRight, AtTop, AtBottom;
  };
  const Case cases[] = {
      {ui::Alignment::Left, ui::TextLayout::Top, true, false, true, false},
      {ui::Alignment::Right, ui::TextLayout::Bottom, false, true, false, true},
      {ui::Alignment::Center, ui::TextLayout::Center, false, false, false, false},
  };
  for (const Case& c : cases) {
    pages->SetTextAlignment(c.Horizontal);
    pages->SetTextAlignmentVertical(c.Vertical);
    ui.Log->Clear();
    pages->Invalidate();
    ui.App.ProcessMessages();
    const auto* text = ui.Log->FindText("Two");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Area.Left == box.Left, c.AtLeft);
    EXPECT_EQ(text->Area.Right == box.Right, c.AtRight);
    EXPECT_EQ(text->Area.Top == box.Top, c.AtTop);
    EXPECT_EQ(text->Area.Bottom == box.Bottom, c.AtBottom);
  }
}

// Ctrl+Tab stays with a focus control that takes Tab itself.
TEST_F(PageControlTest, CtrlTabIsLeftToAControlThatTakesTab) {
  struct TabTaker : ui::Control {
    TabTaker() { SetStyle(ui::kCsAcceptsFocus | ui::kCsWantsTab); }
    void KeyDown(ui::KeyEvent& e) override { Keys += e.Key == ui::kVkTab ? 1 : 0; }
    int Keys = 0;
  };
  auto& taker = pages->Page(0).Add<TabTaker>();
  ASSERT_TRUE(taker.SetFocus());
  ui.Host.Key(window.Window(), ui::kVkTab, ui::kShiftCtrl);
  ui.App.ProcessMessages();
  EXPECT_EQ(pages->TabIndex(), 0);
  EXPECT_EQ(taker.Keys, 1);
}

}  // namespace
}  // namespace orvanta::controls
