#include "controls/color_ramp.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "distinct_palette.h"
#include "test_surface.h"

namespace orvanta::controls {
namespace {

using gfx::Color;
using gfx::Rect;
using gfx::RGB;
using testing_support::kBackground;
using testing_support::TestSurface;

const gfx::SystemPalette kClassic = gfx::SystemPalette::Classic();

// The ramp rule as a loop: a 16.16 accumulator climbing from the bottom row.
std::vector<Color> RampByAccumulator(Color top, Color bottom, int height) {
  auto channel = [height](unsigned t, unsigned b) {
    std::int64_t diff = (static_cast<std::int64_t>(t) - b) * 65536;
    std::int64_t step = diff >= 0 ? diff / height : -(-diff / height);
    std::vector<unsigned> values(static_cast<std::size_t>(height));
    std::int64_t accumulator = static_cast<std::int64_t>(b) * 65536;
    for (int y = height - 1; y >= 0; --y) {
      values[static_cast<std::size_t>(y)] = static_cast<unsigned>(accumulator / 65536);
      accumulator += step;
    }
    return values;
  };
  auto r = channel(gfx::GetRValue(top), gfx::GetRValue(bottom));
  auto g = channel(gfx::GetGValue(top), gfx::GetGValue(bottom));
  auto b = channel(gfx::GetBValue(top), gfx::GetBValue(bottom));
  std::vector<Color> rows;
  for (std::size_t y = 0; y < r.size(); ++y) {
    rows.push_back(RGB(r[y], g[y], b[y]));
  }
  return rows;
}

Color PixelColor(const TestSurface& surface, int x, int y) {
  return gfx::RgbColorFromPixel(surface.Pixels().At(x, y));
}

TEST(VerticalRampRowColor, MatchesTheAccumulator) {
  struct Case {
    Color Top;
    Color Bottom;
    int Height;
  };
  for (const Case& c :
       {Case{RGB(255, 255, 255), RGB(229, 225, 202), 56},
        Case{RGB(229, 225, 202), RGB(255, 255, 255), 56}, Case{RGB(0, 0, 0), RGB(255, 255, 255), 3},
        Case{RGB(255, 0, 128), RGB(0, 255, 127), 7}, Case{RGB(10, 20, 30), RGB(10, 20, 30), 9},
        Case{RGB(255, 255, 255), RGB(0, 0, 0), 1000}, Case{RGB(1, 2, 3), RGB(200, 100, 50), 2}}) {
    std::vector<Color> expected = RampByAccumulator(c.Top, c.Bottom, c.Height);
    for (int y = 0; y < c.Height; ++y) {
      EXPECT_EQ(VerticalRampRowColor(c.Top, c.Bottom, c.Height, y),
                expected[static_cast<std::size_t>(y)])
          << "height " << c.Height << " row " << y;
    }
  }
}

TEST(VerticalRampRowColor, KnownRamps) {
  // White down to 229,225,202 over 56 rows: the truncated steps stop short of white.
  EXPECT_EQ(VerticalRampRowColor(RGB(255, 255, 255), RGB(229, 225, 202), 56, 55),
            RGB(229, 225, 202));
  EXPECT_EQ(VerticalRampRowColor(RGB(255, 255, 255), RGB(229, 225, 202), 56, 0),
            RGB(254, 254, 254));
  // A hot tool button's face, 58 rows inside its frame.
  EXPECT_EQ(VerticalRampRowColor(RGB(208, 212, 226), RGB(181, 189, 210), 58, 57),
            RGB(181, 189, 210));
  EXPECT_EQ(VerticalRampRowColor(RGB(208, 212, 226), RGB(181, 189, 210), 58, 0),
            RGB(207, 211, 225));
  EXPECT_EQ(VerticalRampRowColor(RGB(255, 255, 255), RGB(0, 0, 0), 1, 0), RGB(0, 0, 0));
}

TEST(FillVerticalRamp, FillsEveryColumnWithItsRowColour) {
  TestSurface surface(kClassic, 23, 58, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  Rect rect = Rect::FromSize(1, 1, 21, 56);
  FillVerticalRamp(canvas, rect, RGB(255, 255, 255), RGB(229, 225, 202));
  for (int y = 0; y < 58; ++y) {
    for (int x = 0; x < 23; ++x) {
      Color expected = rect.Contains({x, y})
                           ? VerticalRampRowColor(RGB(255, 255, 255), RGB(229, 225, 202), 56, y - 1)
                           : kBackground;
      ASSERT_EQ(PixelColor(surface, x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(PixelColor(surface, 1, 1), RGB(254, 254, 254));
  EXPECT_EQ(PixelColor(surface, 21, 56), RGB(229, 225, 202));
}

TEST(FillVerticalRamp, OneRowIsTheBottomColour) {
  TestSurface surface(kClassic, 12, 3, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  FillVerticalRamp(canvas, Rect::FromSize(0, 1, 12, 1), gfx::clWhite, RGB(10, 20, 30));
  for (int x = 0; x < 12; ++x) {
    EXPECT_EQ(PixelColor(surface, x, 0), kBackground);
    EXPECT_EQ(PixelColor(surface, x, 1), RGB(10, 20, 30));
    EXPECT_EQ(PixelColor(surface, x, 2), kBackground);
  }
}

TEST(FillVerticalRamp, EmptyRectanglesAndMissingColoursDrawNothing) {
  TestSurface surface(kClassic, 8, 8, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  FillVerticalRamp(canvas, Rect::FromSize(2, 2, 0, 5), gfx::clWhite, gfx::clBlack);
  FillVerticalRamp(canvas, Rect::FromSize(2, 2, 5, 0), gfx::clWhite, gfx::clBlack);
  FillVerticalRamp(canvas, Rect{5, 5, 2, 2}, gfx::clWhite, gfx::clBlack);
  FillVerticalRamp(canvas, Rect::FromSize(2, 2, 5, 5), gfx::clNone, gfx::clBlack);
  FillVerticalRamp(canvas, Rect::FromSize(2, 2, 5, 5), gfx::clWhite, gfx::AutoColor);
  EXPECT_EQ(surface.Pixels().Pixels(),
            std::vector<gfx::Pixel>(64, gfx::PixelFromRgbColor(kBackground)));
}

TEST(FillVerticalRamp, ResolvesSystemColours) {
  TestSurface surface(kClassic, 4, 2, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  FillVerticalRamp(canvas, Rect{0, 0, 4, 2}, gfx::clWindow, gfx::clBtnShadow);
  EXPECT_EQ(PixelColor(surface, 3, 1), RGB(128, 128, 128));
  EXPECT_EQ(PixelColor(surface, 0, 0),
            VerticalRampRowColor(RGB(255, 255, 255), RGB(128, 128, 128), 2, 0));
}

// Rows keep their place in the whole ramp when only part of it is visible, and a rectangle
// far larger than the surface costs only the visible part.
TEST(FillVerticalRamp, ClippedRampsKeepTheirRows) {
  TestSurface surface(kClassic, 10, 20, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  canvas.SetOrigin({0, 5});
  canvas.IntersectClipRect({2, 0, 8, 10});
  Rect rect{-1000000, -30, 1000000, 70};
  FillVerticalRamp(canvas, rect, RGB(0, 0, 0), RGB(200, 200, 200));
  for (int y = 0; y < 20; ++y) {
    int logicalY = y - 5;
    bool inClip = logicalY >= 0 && logicalY < 10;
    for (int x = 0; x < 10; ++x) {
      Color expected =
          inClip && x >= 2 && x < 8
              ? VerticalRampRowColor(RGB(0, 0, 0), RGB(200, 200, 200), 100, logicalY + 30)
              : kBackground;
      ASSERT_EQ(PixelColor(surface, x, y), expected) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace orvanta::controls
