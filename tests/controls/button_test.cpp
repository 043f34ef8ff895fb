#include "controls/button.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/color_math.h"
#include "controls/color_ramp.h"
#include "test_surface.h"
#include "ui/memo.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::controls {
namespace {

using gfx::Color;
using gfx::Point;
using gfx::RGB;

constexpr Color kFace = RGB(190, 218, 241);
constexpr Color kFrame = RGB(0, 60, 116);
constexpr Color kOrange = RGB(240, 155, 20);
constexpr Point kAt{10, 10};  // the button's place; probes are in its client pixels
constexpr int kWidth = 89;
constexpr int kHeight = 25;
constexpr int kFaceHeight = kHeight - 4;
constexpr int kRampHeight = kFaceHeight - 2;  // above the two bottom rows

// The About window's close button beside a memo, on a window of a colour no look uses.
struct ButtonTest : ::testing::Test {
  ButtonTest() {
    window.SetClientSize(200, 100);
    window.SetColor(RGB(1, 2, 3));
    button = &window.Add<TUiButton>();
    button->SetBounds(kAt.X, kAt.Y, kWidth, kHeight);
    button->SetCaption("&Close");
    button->SetColor(kFace);
    button->SetFrameColor(kFrame);
    button->SetHotTrack(true);
    button->OnClick = [this] { ++clicks; };
    other = &window.Add<TUiButton>();
    other->SetBounds(10, 50, 75, 25);
    memo = &window.Add<ui::Memo>();
    memo->SetBounds(110, 50, 80, 40);
    ui.ShowAndSettle(window);
  }
  const gfx::SystemPalette& Palette() const { return ui.Palette; }
  Color Shade(Color c, int n) const { return ShadeColor(c, n, Palette()); }
  Color Tint(Color c, int n) const { return TintColor(c, n, Palette()); }
  Color PixelAt(Point p) const {
    return gfx::RgbColorFromPixel(
        ui.Host.State(window.Window()).Screen.At(kAt.X + p.X, kAt.Y + p.Y));
  }
  Point InForm(Point p) const { return {kAt.X + p.X, kAt.Y + p.Y}; }
  void Serve() { ui.App.ProcessMessages(); }

  ui::testing::UiFixture ui;
  ui::Form window{ui.App};
  TUiButton* button = nullptr;
  TUiButton* other = nullptr;
  ui::Memo* memo = nullptr;
  int clicks = 0;
};

// Row `row` of a ramp over the face's upper part, and of a ring ramp over the whole face.
Color FaceRow(Color top, Color bottom, int row) {
  return VerticalRampRowColor(top, bottom, kRampHeight, row);
}
Color RingRow(Color top, Color bottom, int row) {
  return VerticalRampRowColor(top, bottom, kFaceHeight, row);
}

struct Probe {
  Point At;
  Color Expected;
};

TEST_F(ButtonTest, EachLookPaintsItsRingsAndFace) {
  const Color faceTop = Tint(kFace, 30);
  const Color faceBottom = Shade(kFace, 10);
  const Color outerDark = Shade(gfx::clBtnFace, 20);
  const Color outerLight = Tint(gfx::clBtnFace, 20);
  const Color highlightTop = MixColors(gfx::clHighlight, faceTop, 60, Palette());
  const Color highlightBottom = MixColors(gfx::clHighlight, faceTop, 160, Palette());
  const Color hotTop = MixColors(gfx::clWhite, kOrange, 190, Palette());
  const Color background = RGB(1, 2, 3);
  const std::vector<Probe> rings = {
      {{0, 0}, background}, {{1, 0}, background},   {{0, 1}, background},   {{1, 1}, outerDark},
      {{87, 1}, outerDark}, {{1, 23}, outerDark},   {{87, 23}, outerLight}, {{0, 2}, outerDark},
      {{44, 0}, outerDark}, {{88, 12}, outerLight}, {{44, 24}, outerLight}, {{0, 23}, background},
      {{2, 1}, kFrame},     {{1, 2}, kFrame},       {{87, 12}, kFrame},     {{44, 23}, kFrame},
      {{86, 1}, kFrame},    {{87, 22}, kFrame},
  };
  struct Look {
    const char* Name;
    std::function<void()> Enter;
    std::vector<Probe> Probes;
  };
  const std::vector<Look> looks = {
      {"normal",
       [&] { other->SetFocus(); },
       {{{2, 2}, FaceRow(faceTop, faceBottom, 0)},
        {{44, 12}, FaceRow(faceTop, faceBottom, 10)},
        {{86, 20}, faceBottom},
        {{45, 21}, Shade(kFace, 20)},
        {{44, 22}, Shade(kFace, 30)},
        {{4, 3}, FaceRow(faceTop, faceBottom, 1)}}},
      {"focused",
       [&] { button->SetFocus(); },
       {{{44, 2}, RingRow(highlightTop, highlightBottom, 0)},
        {{45, 3}, RingRow(highlightTop, highlightBottom, 1)},
        {{2, 12}, RingRow(highlightTop, highlightBottom, 10)},
        {{86, 12}, RingRow(highlightTop, highlightBottom, 10)},
        {{44, 22}, highlightBottom},
        {{44, 12}, FaceRow(faceTop, faceBottom, 10)},
        {{4, 3}, gfx::clBlack},
        {{3, 4}, gfx::clBlack},
        {{85, 4}, gfx::clBlack},
        {{4, 21}, gfx::clBlack},
        {{3, 3}, RingRow(highlightTop, highlightBottom, 1)},
        {{3, 5}, RingRow(highlightTop, highlightBottom, 3)}}},
      {"hover",
       [&] {
         other->SetFocus();
         ui.Host.MouseMove(window.Window(), InForm({44, 12}));
       },
       {{{44, 2}, RingRow(hotTop, kOrange, 0)},
        {{44, 22}, kOrange},
        {{3, 12}, RingRow(hotTop, kOrange, 10)},
        {{44, 12}, FaceRow(faceTop, faceBottom, 10)}}},
      {"pressed",
       [&] {
         ui.Host.MouseMove(window.Window(), InForm({44, 12}));
         ui.Host.MouseDown(window.Window(), InForm({44, 12}));
       },
       {{{2, 2}, Shade(kFace, 10)},
        {{44, 12}, Shade(kFace, 10)},
        {{44, 22}, Shade(kFace, 10)},
        {{4, 3}, gfx::clBlack}}},
      {"dragged off",
       [&] {
         ui.Host.MouseMove(window.Window(), InForm({44, 12}));
         ui.Host.MouseDown(window.Window(), InForm({44, 12}));
         ui.Host.MouseMove(window.Window(), InForm({44, 40}));
       },
       {{{44, 12}, FaceRow(faceTop, faceBottom, 10)}, {{44, 22}, highlightBottom}}},
      {"256 colours, hovered",
       [&] {
         ui.Palette.FullColor = false;
         other->SetFocus();
         window.Invalidate();
         ui.Host.MouseMove(window.Window(), InForm({44, 12}));
       },
       {{{2, 2}, kFace},
        {{44, 12}, kFace},
        {{86, 20}, kFace},
        {{45, 21}, Shade(kFace, 20)},
        {{44, 22}, Shade(kFace, 30)}}},
  };
  for (const Look& look : looks) {
    look.Enter();
    Serve();
    for (const std::vector<Probe>* probes : {&rings, &look.Probes}) {
      for (const Probe& probe : *probes) {
        EXPECT_EQ(PixelAt(probe.At), probe.Expected)
            << look.Name << " at " << probe.At.X << "," << probe.At.Y;
      }
    }
    ui.Host.MouseUp(window.Window(), {199, 99});
    ui.Host.MouseMove(window.Window(), {199, 99});
    ui.Palette.FullColor = true;
    window.Invalidate();
    Serve();
  }
  EXPECT_EQ(clicks, 0);  // every press above ended outside
}

TEST_F(ButtonTest, DisabledItDrawsOnlyAFrameAndAFlatFace) {
  button->SetEnabled(false);
  Serve();
  EXPECT_EQ(PixelAt({1, 1}), RGB(1, 2, 3));
  EXPECT_EQ(PixelAt({0, 12}), RGB(1, 2, 3));
  EXPECT_EQ(PixelAt({1, 12}), Shade(kFace, 80));
  EXPECT_EQ(PixelAt({44, 22}), kFace);
  button->SetColor(gfx::clBtnFace);
  Serve();
  EXPECT_EQ(PixelAt({1, 12}), RGB(159, 159, 159));
}

TEST_F(ButtonTest, MouseAndKeysClickAsAPushButtonDoes) {
  const ui::WindowId w = window.Window();
  const Point in = InForm({44, 12});
  const Point out = InForm({44, 60});
  enum class Mouse { Down, Move, Up, RightDown, RightUp };
  const struct {
    const char* Name;
    std::vector<std::pair<Mouse, Point>> Steps;
    int Clicks;
  } mouseCases[] = {
      {"release inside", {{Mouse::Move, in}, {Mouse::Down, in}, {Mouse::Up, in}}, 1},
      {"release outside", {{Mouse::Down, in}, {Mouse::Move, out}, {Mouse::Up, out}}, 0},
      {"off and back",
       {{Mouse::Down, in}, {Mouse::Move, out}, {Mouse::Move, in}, {Mouse::Up, in}},
       1},
      {"right button", {{Mouse::RightDown, in}, {Mouse::RightUp, in}}, 0},
  };
  for (const auto& c : mouseCases) {
    clicks = 0;
    for (const auto& [step, at] : c.Steps) {
      switch (step) {
        case Mouse::Down:
        case Mouse::RightDown:
          ui.Host.MouseDown(w, at,
                            step == Mouse::Down ? ui::MouseButton::Left : ui::MouseButton::Right);
          break;
        case Mouse::Up:
        case Mouse::RightUp:
          ui.Host.MouseUp(w, at,
                          step == Mouse::Up ? ui::MouseButton::Left : ui::MouseButton::Right);
          break;
        case Mouse::Move:
          ui.Host.MouseMove(w, at);
          break;
      }
    }
    Serve();
    EXPECT_EQ(clicks, c.Clicks) << c.Name;
    EXPECT_FALSE(button->Pressed()) << c.Name;
  }

  const struct {
    const char* Name;
    ui::Control* Focus;
    bool IsDefault;
    bool IsCancel;
    unsigned Key;  // or 0 for the access key typed with Alt
    int Clicks;
  } keyCases[] = {
      {"space", button, false, false, ui::kVkSpace, 1},
      {"enter with the focus", button, false, false, ui::kVkReturn, 1},
      {"enter elsewhere", memo, false, false, ui::kVkReturn, 0},
      {"enter on the default button, a memo focused", memo, true, false, ui::kVkReturn, 1},
      {"enter on the default button, a button focused", other, true, false, ui::kVkReturn, 0},
      {"escape", memo, false, false, ui::kVkEscape, 0},
      {"escape on the cancel button", memo, false, true, ui::kVkEscape, 1},
      {"access key", memo, false, false, 0, 1},
  };
  for (const auto& c : keyCases) {
    clicks = 0;
    button->SetDefault(c.IsDefault);
    button->SetCancel(c.IsCancel);
    c.Focus->SetFocus();
    if (c.Key != 0) {
      ui.Host.Key(w, c.Key);
    } else {
      ui.Host.Char(w, U'c', ui::kShiftAlt);
    }
    Serve();
    EXPECT_EQ(clicks, c.Clicks) << c.Name;
    EXPECT_FALSE(button->Pressed()) << c.Name;
  }
}

TEST_F(ButtonTest, APressTakesTheFocusAndSpaceHoldsThePressedLook) {
  const ui::WindowId w = window.Window();
  other->SetFocus();
  ui.Host.MouseDown(w, InForm({44, 12}));
  Serve();
  EXPECT_EQ(window.ActiveControl(), button);
  EXPECT_TRUE(button->Pressed());
  ui.Host.MouseUp(w, InForm({44, 12}));
  ui.Host.Inject({.Kind = ui::HostEventKind::KeyDown, .Window = w, .Key = ui::kVkSpace});
  Serve();
  EXPECT_TRUE(button->Pressed());
  EXPECT_EQ(clicks, 1);
  other->SetFocus();  // leaving with Space held cancels the press
  ui.Host.Inject({.Kind = ui::HostEventKind::KeyUp, .Window = w, .Key = ui::kVkSpace});
  Serve();
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, AClickCopiesTheModalResultBeforeItsHandlerRuns) {
  int seen = -1;
  button->SetModalResult(ui::kMrOk);
  button->OnClick = [&] { seen = window.GetModalResult(); };
  ui.Host.Click(window.Window(), InForm({44, 12}));
  Serve();
  EXPECT_EQ(seen, ui::kMrOk);
}

TEST(ButtonLook, AHighlightCloseToTheFaceIsShadedForTheActiveRing) {
  const gfx::SystemPalette palette = gfx::SystemPalette::Classic();  // face 212,208,200
  const struct {
    Color Highlight;
    bool Close;
  } cases[] = {
      {gfx::clHighlight, false},    // 10,36,106
      {RGB(200, 196, 190), true},   // the face's hue, a little darker
      {RGB(110, 104, 96), false},   // the face's hue, 100 lightness units darker
      {RGB(196, 200, 224), false},  // as light as the face, another hue
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsCloseToButtonFace(c.Highlight, palette), c.Close) << std::hex << c.Highlight;
    const Color used = c.Close ? ShadeColor(c.Highlight, 30, palette) : c.Highlight;
    const Color tinted = TintColor(kFace, 30, palette);
    EXPECT_EQ(ActiveRingColors(kFace, c.Highlight, palette).Start,
              MixColors(used, tinted, 60, palette));
  }
}

TEST(ButtonLayout, FocusDotsStartOnePixelIntoEachSide) {
  const std::vector<Point> dots = FocusBorderDots({3, 3, 9, 8});
  const std::vector<Point> expected = {{4, 3}, {4, 7}, {6, 3}, {6, 7}, {8, 3},
                                       {8, 7}, {3, 4}, {8, 4}, {3, 6}, {8, 6}};
  EXPECT_EQ(dots, expected);
  EXPECT_TRUE(FocusBorderDots({}).empty());
}

// Buttons too small for their rings draw nothing outside themselves.
TEST(ButtonLook, TinyButtonsStayInsideTheirBounds) {
  const gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  constexpr Color kBackground = RGB(1, 2, 3);
  for (int size = 0; size <= 5; ++size) {
    for (bool hotTrack : {true, false}) {
      testing_support::TestSurface surface(palette, 12, 12, kBackground);
      TUiButton button;
      button.SetHotTrack(hotTrack);
      button.SetCaption("Close");
      button.SetBounds(0, 0, size, size);
      surface.Canvas().SetOrigin({3, 3});
      button.Paint(surface.Canvas());
      for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
          const bool inside = x >= 3 && x < 3 + size && y >= 3 && y < 3 + size;
          if (!inside) {
            ASSERT_EQ(surface.Pixels().At(x, y), palette.ToPixel(kBackground))
                << size << " " << hotTrack << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvanta::controls
