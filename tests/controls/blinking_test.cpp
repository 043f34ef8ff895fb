#include <gtest/gtest.h>

#include <memory>

#include "controls/blinking_list.h"
#include "controls/label.h"
#include "controls/status_pane.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::controls {
namespace {

constexpr gfx::Color kBlink = gfx::RGB(255, 0, 0);

TEST(BlinkingControlsList, PanesAndLabelsAlternateOnTheOneSharedTimer) {
  ui::testing::UiFixture ui;
  ui::Form window{ui.App};
  window.SetClientSize(300, 60);
  auto& pane = window.Add<TUiStatusPane>();
  pane.SetCaption("pane");
  auto& label = window.Add<TUiLabel>();
  label.SetBounds(150, 0, 60, 13);
  label.SetCaption("label");
  auto& steady = window.Add<TUiLabel>();
  steady.SetBounds(150, 30, 60, 13);
  steady.SetCaption("steady");
  for (BlinkingControl* c : std::initializer_list<BlinkingControl*>{&pane, &label}) {
    c->SetBlinking(true);
    c->SetBlinkColor(kBlink);
  }
  ui.ShowAndSettle(window);
  ASSERT_NE(TUiBlinkingControlsList::Instance(), nullptr);
  EXPECT_EQ(TUiBlinkingControlsList::Instance()->ControlCount(), 3);
  EXPECT_EQ(TUiBlinkingControlsList::Instance()->Timer().Interval(), 500);

  const gfx::Color normal = ui.Palette.ToRgb(gfx::clWindowText);
  auto colorOf = [&](const std::string& caption) {
    const test::DrawLog::Op* text = ui.Log->FindText(caption);
    return text != nullptr ? ui.Palette.ToRgb(text->Color) : gfx::clNone;
  };
  // The list starts in the on phase: the first tick enters the off phase.
  for (gfx::Color expected : {normal, kBlink, normal, kBlink}) {
    ui.Log->Clear();
    ui.Host.Advance(TUiBlinkingControlsList::kDefaultInterval);
    ui.App.ProcessMessages();
    window.Invalidate();
    ui.App.ProcessMessages();
    EXPECT_EQ(colorOf("pane"), expected);
    EXPECT_EQ(colorOf("label"), expected);
    EXPECT_EQ(colorOf("steady"), normal);
  }
  pane.SetBlinking(false);  // back to the normal colour at once
  ui.Log->Clear();
  ui.App.ProcessMessages();
  EXPECT_EQ(colorOf("pane"), normal);
}

TEST(BlinkingControlsList, LivesFromTheFirstControlToTheLast) {
  ui::testing::UiFixture ui;
  EXPECT_EQ(TUiBlinkingControlsList::Instance(), nullptr);
  auto pane = std::make_unique<TUiStatusPane>();
  auto label = std::make_unique<TUiLabel>();
  EXPECT_EQ(TUiBlinkingControlsList::Instance()->ControlCount(), 2);
  pane.reset();
  ASSERT_NE(TUiBlinkingControlsList::Instance(), nullptr);
  label.reset();
  EXPECT_EQ(TUiBlinkingControlsList::Instance(), nullptr);
}

}  // namespace
}  // namespace orvanta::controls
