#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../about_link.h"
#include "controls/button.h"
#include "controls/url_label.h"
#include "ui/render/render_fixture.h"

namespace orvanta::controls {
namespace {

class AnsweringShell final : public Shell {
 public:
  bool OpenDefault(const std::string&) override { return true; }
  bool OpenVerb(const std::string&, ShellWait) override { return true; }
  void OpenWith(const std::string&) override {}
};

// The About window's close button and home-page link on a white window in Arial 12, with a
// second button to take the focus away.
struct AboutControls : ui::testing::RenderFixture {
  AboutControls() {
    window.SetClientSize(240, 60);
    window.SetColor(gfx::clWhite);
    window.SetFont(gfx::Font{"Arial", 12});
    button = &window.Add<TUiButton>();
    button->SetBounds(10, 10, 89, 25);
    button->SetCaption("关闭");
    button->SetColor(gfx::RGB(190, 218, 241));
    button->SetFrameColor(gfx::RGB(0, 60, 116));
    button->SetHotTrack(true);
    other = &window.Add<TUiButton>();
    other->SetBounds(10, 40, 40, 15);
    link = &window.Add<TUiURLLabel>(shell);
    link->MoveTo(110, 15);
    testing_support::SetUpAboutLink(*link);
    link->SetCaption("www.example.com");
    ShowAndSettle(window);
  }
  // Whether a row of r holds `run` pixels of exactly this colour side by side.
  bool HasRun(const gfx::Rect& r, gfx::Color color, int run) const {
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left, length = 0; x < r.Right; ++x) {
        length = At(window, x, y) == color ? length + 1 : 0;
        if (length >= run) {
          return true;
        }
      }
    }
    return false;
  }

  AnsweringShell shell;
  ui::Form window{App};
  TUiButton* button = nullptr;
  TUiButton* other = nullptr;
  TUiURLLabel* link = nullptr;
};

TEST(ControlsRender, TheCloseButtonsCaptionIsCentredInEveryLook) {
  AboutControls f;
  const ui::WindowId w = f.window.Window();
  const std::vector<std::pair<const char*, std::function<void()>>> looks = {
      {"normal", [&] { f.other->SetFocus(); }},
      {"focused", [&] { f.button->SetFocus(); }},
      {"hover",
       [&] {
         f.Host.MouseMove(w, {54, 22});
       }},
      {"pressed",
       [&] {
         f.Host.MouseDown(w, {54, 22});
       }},
      {"256_colours",
       [&] {
         f.Host.MouseUp(w, {230, 55});
         f.Palette.FullColor = false;
         f.window.Invalidate();
       }},
  };
  // Inside the rings and the focus dots; the face's colour of a row shows at its left end.
  const gfx::Rect caption{14, 14, 95, 31};
  for (const auto& [name, enter] : looks) {
    enter();
    f.App.ProcessMessages();
    f.Save(f.window, std::string("button_") + name);
    gfx::Rect ink{caption.Right, caption.Bottom, caption.Left, caption.Top};
    for (int y = caption.Top; y < caption.Bottom; ++y) {
      for (int x = caption.Left; x < caption.Right; ++x) {
        if (f.At(f.window, x, y) != f.At(f.window, caption.Left, y)) {
          ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                 std::max(ink.Bottom, y + 1)};
        }
      }
    }
    // Two 12-pixel glyphs in the middle of the 89 x 25 button at (10, 10).
    EXPECT_GE(ink.Width(), 20) << name;
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 10 + 89 / 2.0, 2.0) << name;
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 10 + 25 / 2.0, 2.0) << name;
  }
}

TEST(ControlsRender, TheLinkIsUnderlinedInBlueAndTurnsToItsVisitedColour) {
  AboutControls f;
  const gfx::Rect b = f.link->Bounds();
  EXPECT_GT(b.Width(), 80);
  EXPECT_TRUE(f.HasRun(b, gfx::clBlue, b.Width() - 4));  // the underline
  f.Host.Click(f.window.Window(), {b.Left + 3, b.Top + 3});
  f.App.ProcessMessages();
  f.Save(f.window, "link_visited");
  EXPECT_TRUE(f.HasRun(b, testing_support::kAboutVisited, b.Width() - 4));
  EXPECT_FALSE(f.HasRun(b, gfx::clBlue, 3));
}

}  // namespace
}  // namespace orvanta::controls
