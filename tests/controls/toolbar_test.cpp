#include "controls/toolbar.h"

#include <gtest/gtest.h>

#include "controls/color_math.h"
#include "controls/color_ramp.h"
#include "controls/color_sets.h"
#include "controls/spacer.h"
#include "controls/tool_button.h"
#include "controls/tool_button_layout.h"
#include "controls/toolbar_layout.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::controls {
namespace {

using gfx::Rect;

// The main window's row: buttons 80 x 60, grooved spacers 25 x 50, the hidden Help button
// and the 82 x 14 version label.
std::vector<ToolbarItem> ProgramRow() {
  const gfx::Size button{80, 60};
  const gfx::Size spacer{25, 50};
  return {{button}, {spacer}, {button, false}, {button}, {spacer},
          {button}, {button}, {spacer},        {button}, {{82, 14}}};
}

TEST(ToolbarLayout, TheProgramsRowFitsToItsButtons) {
  ToolbarMetrics metrics;
  metrics.AutoSize = true;
  const ToolbarPlacement p = PlaceToolbarControls(ProgramRow(), 673, metrics);
  const std::vector<Rect> expected = {Rect::FromSize(4, 0, 80, 60),
                                      Rect::FromSize(84, 5, 25, 50),
                                      Rect{},
                                      Rect::FromSize(109, 0, 80, 60),
                                      Rect::FromSize(189, 5, 25, 50),
                                      Rect::FromSize(214, 0, 80, 60),
                                      Rect::FromSize(294, 0, 80, 60),
                                      Rect::FromSize(374, 5, 25, 50),
                                      Rect::FromSize(399, 0, 80, 60),
                                      Rect::FromSize(479, 23, 82, 14)};
  EXPECT_EQ(p.Bounds, expected);
  EXPECT_EQ(p.Height, 60);
}

TEST(ToolbarLayout, RowsWrapAtTheRightMarginAndKeepTheirPitch) {
  ToolbarMetrics metrics;
  const std::vector<ToolbarItem> items = {{{40, 20}}, {{40, 20}}, {{40, 20}}};
  // 4 + 40 + 40 fits 92 - 4; the third control starts a row whose middle is 25 lower.
  ToolbarPlacement p = PlaceToolbarControls(items, 92, metrics);
  EXPECT_EQ(p.Bounds[2], Rect::FromSize(4, 25 + 2 + 12 - 10, 40, 20));
  EXPECT_EQ(p.Height, 2 * 25 + 2 * 2);
  metrics.AutoSize = true;
  p = PlaceToolbarControls(items, 92, metrics);
  EXPECT_EQ(p.Bounds[0].Top, 0);
  EXPECT_EQ(p.Bounds[2].Top, 25);
  EXPECT_EQ(p.Height, 45);
  // The first control never wraps, however narrow the toolbar.
  EXPECT_EQ(PlaceToolbarControls(items, 10, metrics).Bounds[0].Left, 4);
}

TEST(ToolButtonLayout, GlyphAndCaptionAreCentredAsAGroup) {
  const Rect inner{2, 2, 78, 58};  // an 80 x 60 button
  ToolButtonPlacement p = PlaceGlyphAndCaption(inner, {32, 32}, {40, 14}, blGlyphTop);
  EXPECT_EQ(p.Glyph, Rect::FromSize(24, 5, 32, 32));
  EXPECT_EQ(p.Caption, Rect::FromSize(20, 41, 40, 14));
  p = PlaceGlyphAndCaption(inner, {32, 32}, {40, 14}, blGlyphBottom);
  EXPECT_EQ(p.Caption.Top, 5);
  EXPECT_EQ(p.Glyph.Top, 23);
  p = PlaceGlyphAndCaption(inner, {32, 32}, {20, 14}, blGlyphLeft);
  EXPECT_EQ(p.Glyph, Rect::FromSize(12, 14, 32, 32));
  EXPECT_EQ(p.Caption, Rect::FromSize(48, 23, 20, 14));
  p = PlaceGlyphAndCaption(inner, {32, 32}, {20, 14}, blGlyphRight);
  EXPECT_EQ(p.Caption.Left, 12);
  EXPECT_EQ(p.Glyph.Left, 36);
  // Alone, each is centred in the whole inner rectangle.
  p = PlaceGlyphAndCaption(inner, {}, {40, 14}, blGlyphTop);
  EXPECT_TRUE(p.Glyph.IsEmpty());
  EXPECT_EQ(p.Caption, Rect::FromSize(20, 23, 40, 14));
  p = PlaceGlyphAndCaption(inner, {32, 32}, {}, blGlyphTop);
  EXPECT_EQ(p.Glyph, Rect::FromSize(24, 14, 32, 32));
}

TEST(Toolbar, AutoStyleGivesTheDividerForTheAlignment) {
  struct Case {
    ui::Align Align;
    bool ShowDivider;
    TSides Sides;
    TFrameStyleEx Outer;
  };
  const Case cases[] = {{ui::Align::Top, true, {sdBottom}, fsGroove},
                        {ui::Align::Bottom, true, {sdTop}, fsGroove},
                        {ui::Align::Left, true, {sdRight}, fsGroove},
                        {ui::Align::Right, true, {sdLeft}, fsGroove},
                        {ui::Align::Top, false, {sdBottom}, fsNone}};
  for (const Case& c : cases) {
    TUiToolbar toolbar;
    toolbar.SetAlign(c.Align);
    toolbar.SetShowDivider(c.ShowDivider);
    toolbar.FinishLoading();
    EXPECT_EQ(toolbar.Look().BorderSides, c.Sides) << int(c.Align);
    EXPECT_EQ(toolbar.Look().BorderOuter, c.Outer) << int(c.Align);
  }
  TUiToolbar kept;
  kept.SetAutoStyle(false);
  kept.FinishLoading();
  EXPECT_EQ(kept.Look().BorderSides, TSides{sdTop});
}

TEST(Spacer, TurningSwapsWidthAndHeight) {
  TUiSpacer spacer;
  spacer.SetOrientation(orVertical);
  EXPECT_EQ(spacer.Bounds(), (Rect{0, 0, 25, 8}));
}

struct ToolButtonTest : ::testing::Test {
  ToolButtonTest() {
    window.SetClientSize(300, 100);
    toolbar = &window.Add<TUiToolbar>();
    for (const char* caption : {"&Alpha", "&Beta", "B&ravo"}) {
      TUiToolButton& b = toolbar->Add<TUiToolButton>();
      b.SetSize(80, 60);
      b.SetCaption(caption);
      b.OnClick = [this, caption] { clicks.push_back(caption); };
      buttons.push_back(&b);
    }
    toolbar->PlaceControls();
    ui.ShowAndSettle(window);
  }
  gfx::Point Centre(int i) const {
    const Rect r = buttons[static_cast<std::size_t>(i)]->BoundsInForm();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

  ui::testing::UiFixture ui;
  ui::Form window{ui.App};
  TUiToolbar* toolbar = nullptr;
  std::vector<TUiToolButton*> buttons;
  std::vector<std::string> clicks;
};

TEST_F(ToolButtonTest, AClickNeedsTheReleaseInside) {
  const ui::WindowId w = window.Window();
  ui.Host.MouseMove(w, Centre(0));
  ui.Host.MouseDown(w, Centre(0));
  ui.App.ProcessMessages();
  EXPECT_TRUE(buttons[0]->Pressed());
  ui.Host.MouseMove(w, {Centre(0).X, 90});  // off the button: shown up, not pressed
  ui.App.ProcessMessages();
  EXPECT_FALSE(buttons[0]->Pressed());
  ui.Host.MouseUp(w, {Centre(0).X, 90});
  ui.App.ProcessMessages();
  EXPECT_TRUE(clicks.empty());

  ui.Host.MouseDown(w, Centre(0));
  ui.Host.MouseMove(w, {Centre(0).X, 90});
  ui.Host.MouseMove(w, Centre(0));  // back in before the release
  ui.Host.MouseUp(w, Centre(0));
  ui.App.ProcessMessages();
  EXPECT_EQ(clicks, std::vector<std::string>{"&Alpha"});
  EXPECT_TRUE(buttons[0]->MouseOver());  // hot again without moving
  EXPECT_FALSE(buttons[0]->Pressed());
}

TEST_F(ToolButtonTest, AccessKeysSkipHiddenAndDisabledButtons) {
  const ui::WindowId w = window.Window();
  ui.Host.Char(w, U'b', ui::kShiftAlt);
  ui.App.ProcessMessages();
  EXPECT_EQ(clicks, std::vector<std::string>{"&Beta"});
  buttons[1]->Hide();
  ui.App.ProcessMessages();
  EXPECT_EQ(buttons[2]->Left(), 84);  // the gap closes
  ui.Host.Char(w, U'B', ui::kShiftAlt);
  buttons[0]->SetEnabled(false);
  ui.Host.Char(w, U'a', ui::kShiftAlt);
  ui.Host.Char(w, U'r', ui::kShiftAlt);
  ui.App.ProcessMessages();
  EXPECT_EQ(clicks, (std::vector<std::string>{"&Beta", "B&ravo"}));
}

TEST_F(ToolButtonTest, TheStoredOrderGoesByNameAndEveryChangePlacesAgain) {
  buttons[0]->Name = "Alpha";
  buttons[1]->Name = "Beta";
  buttons[2]->Name = "Bravo";
  toolbar->SetToolbarControls({"bravo", "Nobody", "ALPHA"});
  toolbar->FinishLoading();  // the buttons also take the toolbar's 25 x 25
  EXPECT_EQ(toolbar->ControlOrder(),
            (std::vector<ui::Control*>{buttons[2], buttons[0], buttons[1]}));
  const auto lefts = [&] {
    return std::vector<int>{buttons[2]->Left(), buttons[0]->Left(), buttons[1]->Left()};
  };
  EXPECT_EQ(lefts(), (std::vector<int>{4, 29, 54}));
  buttons[0]->Hide();
  EXPECT_EQ(buttons[1]->Left(), 29);
  buttons[2]->SetSize(40, 25);
  EXPECT_EQ(buttons[1]->Left(), 44);
  ui::Control& added = toolbar->Add<ui::Control>();
  added.SetSize(8, 25);
  EXPECT_EQ(added.Left(), 69);
  buttons[0]->Show();
  EXPECT_EQ(lefts(), (std::vector<int>{4, 44, 69}));
  EXPECT_EQ(added.Left(), 94);
  toolbar->SetToolbarControls({"beta"});  // after loading: at once
  EXPECT_EQ(buttons[1]->Left(), 4);
}

TEST_F(ToolButtonTest, ButtonsFollowTheToolbarWhileTheirFlagsAreOn) {
  buttons[1]->SetUseToolbarButtonSize(false);
  buttons[2]->SetUseToolbarShowCaption(false);
  toolbar->SetTextOptions(ttoShowTextLabels);
  EXPECT_EQ(toolbar->Metrics().RowHeight, 40);
  EXPECT_EQ(buttons[0]->Bounds().Width(), 60);
  EXPECT_EQ(buttons[0]->Bounds().Height(), 40);
  EXPECT_EQ(buttons[1]->Bounds().Width(), 80);
  EXPECT_TRUE(buttons[0]->ShowCaption() && buttons[1]->ShowCaption());
  EXPECT_FALSE(buttons[2]->ShowCaption());
  EXPECT_EQ(buttons[0]->Layout(), blGlyphTop);
  toolbar->SetButtonLayout(blGlyphRight);
  EXPECT_EQ(toolbar->TextOptions(), ttoCustom);
  EXPECT_EQ(buttons[0]->Layout(), blGlyphRight);
  buttons[2]->SetUseToolbarVisualStyle(false);
  PanelStyle look = toolbar->Look();
  look.VisualStyle = vsGradient;
  toolbar->SetLook(look);
  EXPECT_EQ(buttons[0]->VisualStyle(), vsGradient);
  EXPECT_EQ(buttons[2]->VisualStyle(), vsWinXP);
}

TEST_F(ToolButtonTest, GroupedButtonsStayDownOneAtATime) {
  for (TUiToolButton* b : buttons) {
    b->SetGroupIndex(1);
  }
  const ui::WindowId w = window.Window();
  for (int i : {0, 1, 1}) {
    ui.Host.Click(w, Centre(i));
    ui.App.ProcessMessages();
  }
  EXPECT_FALSE(buttons[0]->Down());
  EXPECT_TRUE(buttons[1]->Down());
  EXPECT_EQ(buttons[1]->State(), ToolButtonState::Exclusive);
  EXPECT_EQ(clicks, (std::vector<std::string>{"&Alpha", "&Beta"}));  // the third changed nothing
  buttons[1]->SetAllowAllUp(true);
  ui.Host.Click(w, Centre(1));
  ui.App.ProcessMessages();
  EXPECT_FALSE(buttons[1]->Down());
  EXPECT_EQ(clicks.size(), 3u);
}

TEST_F(ToolButtonTest, TheGlyphFollowsTheState) {
  TUiToolButton& b = *buttons[0];
  b.SetImageIndex(0);
  b.SetHotIndex(1);
  b.SetDownIndex(2);
  b.SetDisabledIndex(3);
  const ui::WindowId w = window.Window();
  EXPECT_EQ(b.GlyphIndex(), 0);
  ui.Host.MouseMove(w, Centre(0));
  ui.App.ProcessMessages();
  EXPECT_EQ(b.GlyphIndex(), 1);
  ui.Host.MouseDown(w, Centre(0));
  ui.App.ProcessMessages();
  EXPECT_EQ(b.GlyphIndex(), 2);
  ui.Host.MouseUp(w, Centre(0));
  b.SetEnabled(false);
  EXPECT_EQ(b.GlyphIndex(), 3);
}

// The classic look: a raised button frame, sunk with a checker inside while latched down.
TEST_F(ToolButtonTest, TheClassicLookAndTheLatchedChecker) {
  TUiToolButton& b = *buttons[0];
  b.SetUseToolbarVisualStyle(false);
  b.SetVisualStyle(vsClassic);
  b.SetFlat(false);
  const gfx::Rect r = b.BoundsInForm();
  const gfx::Bitmap& screen = ui.Host.State(window.Window()).Screen;
  const auto pixel = [&](int x, int y) { return screen.At(r.Left + x, r.Top + y); };
  ui.App.ProcessMessages();
  EXPECT_EQ(pixel(0, 0), ui.Palette.ToPixel(gfx::clBtnHighlight));
  EXPECT_EQ(pixel(r.Width() - 1, 5), ui.Palette.ToPixel(gfx::cl3DDkShadow));
  b.SetGroupIndex(1);
  b.SetDown(true);
  ui.App.ProcessMessages();
  EXPECT_EQ(pixel(0, 0), ui.Palette.ToPixel(gfx::clBtnShadow));
  EXPECT_EQ(pixel(2, 2), ui.Palette.ToPixel(gfx::clBtnFace));
  EXPECT_EQ(pixel(3, 2), ui.Palette.ToPixel(gfx::clBtnHighlight));
}

// The gradient face of each state: its bottom row is exact, its top row as the ramp gives it.
TEST_F(ToolButtonTest, GradientFacesByState) {
  TUiToolButton& b = *buttons[0];
  b.SetUseToolbarVisualStyle(false);
  b.SetVisualStyle(vsGradient);
  const SelectionColors colors = SelectionColorSet(ui.Palette);
  const gfx::Color awayTop = ShadeColor(colors.Stop, 40, ui.Palette);
  const Rect r = b.BoundsInForm();
  const gfx::Bitmap& screen = ui.Host.State(window.Window()).Screen;
  const ui::WindowId w = window.Window();
  struct Case {
    const char* State;
    gfx::Color Top;
    gfx::Color Bottom;
  };
  const Case cases[] = {{"hot", colors.Start, colors.Stop},
                        {"down", colors.Stop, colors.Start},
                        {"exclusive, mouse away", awayTop, colors.Start}};
  for (const Case& c : cases) {
    const std::string state = c.State;
    if (state == "hot") {
      ui.Host.MouseMove(w, Centre(0));
    } else if (state == "down") {
      ui.Host.MouseDown(w, Centre(0));
    } else {
      ui.Host.MouseUp(w, Centre(0));
      b.SetGroupIndex(1);
      b.SetDown(true);
      ui.Host.MouseMove(w, {Centre(0).X, 90});
    }
    ui.App.ProcessMessages();
    const int h = r.Height() - 2;  // inside the frame
    EXPECT_EQ(screen.At(r.Left, r.Top + 10), ui.Palette.ToPixel(colors.Frame)) << c.State;
    EXPECT_EQ(screen.At(r.Left + 1, r.Top + 1),
              ui.Palette.ToPixel(VerticalRampRowColor(c.Top, c.Bottom, h, 0)))
        << c.State;
    EXPECT_EQ(screen.At(r.Left + 1, r.Bottom - 2), ui.Palette.ToPixel(c.Bottom)) << c.State;
  }
}

TEST_F(ToolButtonTest, AlignmentShiftsGlyphAndCaptionTogether) {
  TUiToolButton& b = *buttons[0];
  b.SetShowCaption(true);
  gfx::Canvas& canvas = *b.MeasuringCanvas();
  const int centred = b.Placement(canvas).Caption.Left;
  struct Case {
    ui::Alignment Alignment;
    int Left;
  };
  for (const Case& c :
       {Case{ui::Alignment::Left, 4}, Case{ui::Alignment::Right, 2 * centred - 4}}) {
    b.SetAlignment(c.Alignment);
    EXPECT_EQ(b.Placement(canvas).Caption.Left, c.Left);
  }
}

}  // namespace
}  // namespace orvanta::controls
