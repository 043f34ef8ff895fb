// The About window painted by the raster canvas with the system's fonts: its controls at their
// places and in their colours, and a PNG under <build>/render for a person.
#include <gtest/gtest.h>

#include "app/form_about.h"
#include "app/main_window_harness.h"
#include "ui/render/render_fixture.h"

namespace orvanta::app {
namespace {

struct AboutWindowRender : ::testing::Test {
  AboutWindowRender() : Owner(R.App), About(R.App, Shell, Owner) {
    Owner.SetClientSize(673, 475);
    R.App.SetMainForm(Owner);
    R.ShowAndSettle(Owner);
    About.Label2->SetCaption("版本 4.0.3");
    R.ShowAndSettle(About);
  }

  // How many pixels of a control (inset by one) have exactly the colour.
  int Count(const ui::Control& c, gfx::Color color) const {
    const gfx::Rect r = c.BoundsInForm().Inflate(-1, -1);
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        n += R.At(About, x, y) == R.Rgb(color) ? 1 : 0;
      }
    }
    return n;
  }

  ui::testing::RenderFixture R;
  testing::RecordingShell Shell;
  ui::Form Owner;
  TFormAbout About;
};

TEST_F(AboutWindowRender, ControlsSitAtTheirPlacesInTheirColours) {
  R.Save(About, "about_window");
  EXPECT_EQ(R.Host.State(About.Window()).Bounds.Width(), 422);
  EXPECT_EQ(R.Host.State(About.Window()).Bounds.Height(), 347);
  struct Place {
    const char* Name;
    const ui::Control* Control;
    gfx::Point TopLeft;
  };
  const Place places[] = {
      {"icon", About.Image1, {31, 24}},
      {"title", About.Label1, {88, 26}},
      {"version", About.Label2, {167, 90}},
      {"memo", About.Memo1, {32, 120}},
      {"home link", About.UiURLLabel4, {125, 241}},
      {"e-mail caption", About.Label6, {32, 266}},
      {"e-mail link", About.UiURLLabel1, {124, 265}},
      {"button", About.Button1, {288, 312}},
  };
  for (const Place& p : places) {
    EXPECT_EQ(p.Control->Left(), p.TopLeft.X) << p.Name;
    EXPECT_EQ(p.Control->Top(), p.TopLeft.Y) << p.Name;
  }
  EXPECT_EQ(About.Memo1->Bounds().Width(), 369);
  EXPECT_EQ(About.Memo1->Bounds().Height(), 113);
  EXPECT_EQ(About.Label5->Bounds().Right, 120);
  EXPECT_EQ(About.Label5->Top(), 242);
  EXPECT_EQ(About.Button1->Width(), 89);

  struct Ink {
    const char* Name;
    const ui::Control* Control;
    gfx::Color Color;
    int AtLeast;
  };
  const Ink inks[] = {
      {"title in green", About.Label1, gfx::RGB(20, 118, 31), 20},
      {"version in purple", About.Label2, gfx::clPurple, 20},
      {"home link in blue", About.UiURLLabel4, gfx::clBlue, 20},
      {"e-mail link in blue", About.UiURLLabel1, gfx::clBlue, 20},
      {"button frame", About.Button1, gfx::RGB(0, 60, 116), 100},
      {"memo text", About.Memo1, gfx::clBlack, 20},
  };
  for (const Ink& ink : inks) {
    EXPECT_GE(Count(*ink.Control, ink.Color), ink.AtLeast) << ink.Name;
  }
  // The links are underlined: a full blue row under the caption.
  const gfx::Rect link = About.UiURLLabel4->BoundsInForm();
  bool underlined = false;
  for (int y = link.Top; y < link.Bottom && !underlined; ++y) {
    underlined = R.At(About, link.Left + 5, y) == gfx::clBlue &&
                 R.At(About, link.Right - 5, y) == gfx::clBlue;
  }
  EXPECT_TRUE(underlined);
  // The button's face: a light blue ramp around the face colour.
  const gfx::Rect button = About.Button1->BoundsInForm();
  const gfx::Color face = R.At(About, button.Left + 6, (button.Top + button.Bottom) / 2);
  EXPECT_GT(gfx::GetBValue(face), gfx::GetRValue(face) + 30) << std::hex << face;
  EXPECT_GT(gfx::GetRValue(face), 150) << std::hex << face;
  // White behind everything else.
  EXPECT_EQ(R.At(About, 10, 10), gfx::clWhite);
  EXPECT_EQ(R.At(About, 410, 300), gfx::clWhite);
}

}  // namespace
}  // namespace orvanta::app
