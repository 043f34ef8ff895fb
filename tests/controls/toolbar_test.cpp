#include "controls/toolbar.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orvanta::controls
