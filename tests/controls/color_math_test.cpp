#include "controls/color_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>

namespace orvanta::controls {
namespace {

using gfx::Color;
using gfx::RGB;

const gfx::SystemPalette kClassic = gfx::SystemPalette::Classic();

int ChannelDistance(Color a, Color b) {
  return std::max(
      {std::abs(static_cast<int>(gfx::GetRValue(a)) - static_cast<int>(gfx::GetRValue(b))),
       std::abs(static_cast<int>(gfx::GetGValue(a)) - static_cast<int>(gfx::GetGValue(b))),
       std::abs(static_cast<int>(gfx::GetBValue(a)) - static_cast<int>(gfx::GetBValue(b)))});
}

struct HslCase {
  Color Rgb;
  Hsl Expected;
  Color Back;  // ColorFromHsl of Expected: hue divides by 239, so hues drift a little
};

class HslRoundTrip : public testing::TestWithParam<HslCase> {};

TEST_P(HslRoundTrip, ConvertsBothWays) {
  const HslCase& c = GetParam();
  EXPECT_EQ(HslFromColor(c.Rgb, kClassic), c.Expected);
  EXPECT_EQ(ColorFromHsl(c.Expected), c.Back);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, HslRoundTrip,
    testing::Values(HslCase{RGB(0, 0, 0), {0, 0, 0}, RGB(0, 0, 0)},
                    HslCase{RGB(255, 255, 255), {0, 0, 240}, RGB(255, 255, 255)},
                    HslCase{RGB(128, 128, 128), {0, 0, 120}, RGB(128, 128, 128)},
                    HslCase{RGB(64, 64, 64), {0, 0, 60}, RGB(64, 64, 64)},
                    HslCase{RGB(255, 0, 0), {0, 240, 120}, RGB(255, 0, 0)},
                    HslCase{RGB(0, 255, 0), {80, 240, 120}, RGB(0, 255, 2)},
                    HslCase{RGB(0, 0, 255), {160, 240, 120}, RGB(4, 0, 255)},
                    // Hue just below a full turn rounds to 240 and stays red.
                    HslCase{RGB(255, 0, 1), {240, 240, 120}, RGB(255, 0, 0)},
                    HslCase{RGB(10, 36, 106), {149, 199, 55}, RGB(10, 35, 107)},
                    HslCase{RGB(212, 208, 200), {27, 29, 194}, RGB(212, 208, 200)},
                    HslCase{RGB(190, 218, 241), {138, 155, 203}, RGB(190, 217, 241)},
                    HslCase{RGB(0, 60, 116), {139, 240, 55}, RGB(0, 60, 117)},
                    HslCase{RGB(240, 155, 20), {25, 211, 122}, RGB(240, 158, 19)}));

TEST(HslFromColor, ResolvesSystemColours) {
  EXPECT_EQ(HslFromColor(gfx::clBtnShadow, kClassic), (Hsl{0, 0, 120}));
  EXPECT_EQ(HslFromColor(gfx::clHighlight, kClassic), (Hsl{149, 199, 55}));
}

TEST(ColorFromHsl, RoundsChannelHalvesToEven) {
  // Grey lightness L gives the channel L * 255 / 240: 8.5 and 25.5 here.
  EXPECT_EQ(ColorFromHsl({0, 0, 8}), RGB(8, 8, 8));
  EXPECT_EQ(ColorFromHsl({0, 0, 24}), RGB(26, 26, 26));
}

TEST(ColorMath, TrueHalvesRoundToEvenWhereFloatingPointWouldTipThem) {
  // Exact values 42.5, 182.5 and 8.5 (for the shade: HSL 140,240,124 back to RGB).
  EXPECT_EQ(ColorFromHsl({204, 48, 50}), RGB(64, 42, 61));
  EXPECT_EQ(HslFromColor(RGB(205, 187, 219), kClassic), (Hsl{182, 74, 191}));
  EXPECT_EQ(ShadeColor(RGB(51, 153, 255), 20, kClassic), RGB(8, 128, 255));
}

TEST(ColorFromHsl, LimitsOutOfRangeValues) {
  EXPECT_EQ(ColorFromHsl({0, 0, 255}), RGB(255, 255, 255));
  EXPECT_EQ(ColorFromHsl({0, 0, -5}), RGB(0, 0, 0));
  EXPECT_EQ(ColorFromHsl({100, 240, 100000}), RGB(255, 255, 255));
  EXPECT_EQ(ColorFromHsl({-7, 300, 120}), ColorFromHsl({0, 240, 120}));
  EXPECT_EQ(ColorFromHsl({1000, 240, 120}), ColorFromHsl({240, 240, 120}));
}

TEST(ColorFromHsl, RoundTripStaysClose) {
  for (unsigned v = 0; v < 256; ++v) {
    Color grey = RGB(v, v, v);
    EXPECT_LE(ChannelDistance(ColorFromHsl(HslFromColor(grey, kClassic)), grey), 1) << v;
  }
  // The 239 divisor skews hues by up to 1/240 of a turn; near red that is a few units.
  for (unsigned r = 0; r < 256; r += 15) {
    for (unsigned g = 0; g < 256; g += 15) {
      for (unsigned b = 0; b < 256; b += 15) {
        Color c = RGB(r, g, b);
        EXPECT_LE(ChannelDistance(ColorFromHsl(HslFromColor(c, kClassic)), c), 9)
            << r << "," << g << "," << b;
      }
    }
  }
}

struct AdjustCase {
  const char* Name;
  Color Input;
  int Amount;
  Color Expected;
};

class TintShade : public testing::TestWithParam<AdjustCase> {};

TEST_P(TintShade, AdjustsLightness) {
  const AdjustCase& c = GetParam();
  EXPECT_EQ(AdjustFlatColor(c.Input, c.Amount, kClassic), c.Expected);
  if (c.Amount > 0) {
    EXPECT_EQ(TintColor(c.Input, c.Amount, kClassic), c.Expected);
  } else if (c.Amount < 0 && c.Amount != std::numeric_limits<int>::min()) {
    EXPECT_EQ(ShadeColor(c.Input, -c.Amount, kClassic), c.Expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Colors, TintShade,
    testing::Values(
        AdjustCase{"GreyTint30", RGB(128, 128, 128), 30, RGB(159, 159, 159)},
        AdjustCase{"ShadowTint30", gfx::clBtnShadow, 30, RGB(159, 159, 159)},
        AdjustCase{"WhiteStaysWhite", gfx::clWhite, 30, gfx::clWhite},
        AdjustCase{"WhiteTintPastLimit", gfx::clWhite, 1000, gfx::clWhite},
        AdjustCase{"BlackStaysBlack", gfx::clBlack, -30, gfx::clBlack},
        AdjustCase{"BlackShadePastLimit", gfx::clBlack, -1000, gfx::clBlack},
        AdjustCase{"FaceShade10", gfx::clBtnFace, -10, RGB(203, 198, 188)},
        AdjustCase{"FaceShade20", gfx::clBtnFace, -20, RGB(193, 188, 176)},
        AdjustCase{"FaceShade40", gfx::clBtnFace, -40, RGB(175, 168, 153)},
        AdjustCase{"ZeroKeepsSystemColour", gfx::clBtnShadow, 0, gfx::clBtnShadow},
        AdjustCase{"ZeroKeepsRgb", RGB(1, 2, 3), 0, RGB(1, 2, 3)},
        AdjustCase{"ExtremeShade", gfx::clWhite, std::numeric_limits<int>::min(), gfx::clBlack},
        AdjustCase{"ExtremeTint", gfx::clBlack, std::numeric_limits<int>::max(), gfx::clWhite}),
    [](const testing::TestParamInfo<AdjustCase>& info) { return std::string(info.param.Name); });

TEST(TintShade, PassColoursWithoutRgbThrough) {
  EXPECT_EQ(TintColor(gfx::clNone, 20, kClassic), gfx::clNone);
  EXPECT_EQ(ShadeColor(gfx::AutoColor, 20, kClassic), gfx::AutoColor);
}

TEST(MixColors, WeighsTheFirstColourOutOf255) {
  EXPECT_EQ(MixColors(gfx::clHighlight, gfx::clWindow, 77, kClassic), RGB(181, 189, 210));
  EXPECT_EQ(MixColors(RGB(10, 20, 30), RGB(200, 100, 50), 255, kClassic), RGB(10, 20, 30));
  EXPECT_EQ(MixColors(RGB(10, 20, 30), RGB(200, 100, 50), 0, kClassic), RGB(200, 100, 50));
  // The page card's shadow over a white window.
  EXPECT_EQ(MixColors(gfx::clBlack, gfx::clWhite, 30, kClassic), RGB(225, 225, 225));
  EXPECT_EQ(MixColors(gfx::clBlack, gfx::clWhite, 15, kClassic), RGB(240, 240, 240));
}

TEST(MixColors, ClampsWeightsOutOfRange) {
  EXPECT_EQ(MixColors(gfx::clBlack, gfx::clWhite, 1000, kClassic), gfx::clBlack);
  EXPECT_EQ(MixColors(gfx::clBlack, gfx::clWhite, -1000, kClassic), gfx::clWhite);
}

TEST(MixColors, NothingMixedWithNothing) {
  EXPECT_EQ(MixColors(gfx::clNone, gfx::clWhite, 77, kClassic), gfx::clNone);
  EXPECT_EQ(MixColors(gfx::clWhite, gfx::AutoColor, 77, kClassic), gfx::clNone);
}

}  // namespace
}  // namespace orvanta::controls
