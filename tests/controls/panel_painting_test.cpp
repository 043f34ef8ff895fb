#include "controls/panel_painting.h"

#include <gtest/gtest.h>

#include <limits>

#include "controls/color_ramp.h"
#include "distinct_palette.h"
#include "test_surface.h"

namespace orvanta::controls {
namespace {

using gfx::Color;
using gfx::Rect;
using gfx::RGB;
using test::WithMargin;
using testing_support::kBackground;
using testing_support::kLegend;
using testing_support::TestSurface;

const gfx::SystemPalette kPalette = testing_support::DistinctPalette();

std::string DrawPicture(const PanelStyle& style, int width, int height, Rect* inner = nullptr) {
  TestSurface surface(kPalette, width + 2, height + 2, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  Rect result = DrawPanelFrameAndBackground(canvas, Rect::FromSize(1, 1, width, height), style);
  EXPECT_EQ(result, PanelInnerRect(Rect::FromSize(1, 1, width, height), style));
  if (inner != nullptr) {
    *inner = result.Offset(-1, -1);
  }
  return test::Picture(surface.Pixels(), kLegend);
}

TEST(PanelPainting, DefaultsDrawARaisedFaceColouredPanel) {
  Rect inner;
  EXPECT_EQ(DrawPicture(PanelStyle{}, 6, 5, &inner),
            WithMargin({"LLLLLD", "LHHHSD", "LHFFSD", "LSSSSD", "DDDDDD"}));
  EXPECT_EQ(inner, (Rect{2, 2, 4, 3}));
}

TEST(PanelPainting, OuterFrameThenBorderRingsThenInnerFrame) {
  PanelStyle style;
  style.BorderOuter = fsStatus;
  style.BorderWidth = 1;
  style.BorderColor = RGB(255, 0, 0);
  style.BorderInner = fsFlat;
  style.FlatColor = gfx::clBtnText;
  style.FlatColorAdjustment = 0;
  Rect inner;
  EXPECT_EQ(DrawPicture(style, 8, 7, &inner),
            WithMargin({"SSSSSSSH", "SRRRRRRH", "SRKKKKRH", "SRKFFKRH", "SRKKKKRH", "SRRRRRRH",
                        "HHHHHHHH"}));
  EXPECT_EQ(inner, (Rect{3, 3, 5, 4}));
}

TEST(PanelPainting, BorderSidesLimitEveryLayer) {
  PanelStyle style;
  style.BorderOuter = fsGroove;
  style.BorderSides = {sdTop};
  style.BorderWidth = 2;
  style.BorderColor = RGB(255, 0, 0);
  EXPECT_EQ(DrawPicture(style, 3, 6), WithMargin({"SSS", "HHH", "RRR", "RRR", "FFF", "FFF"}));
}

TEST(PanelPainting, TransparentPanelsDrawOnlyTheirFrames) {
  PanelStyle style;
  style.BorderOuter = fsPopup;
  style.Transparent = true;
  EXPECT_EQ(DrawPicture(style, 4, 3), WithMargin({"HHHS", "H..S", "SSSS"}));
}

TEST(PanelPainting, HugeBorderWidthsFillThePanel) {
  PanelStyle style;
  style.BorderOuter = fsNone;
  style.BorderWidth = std::numeric_limits<int>::max() / 4;
  style.BorderColor = RGB(255, 0, 0);
  EXPECT_EQ(DrawPicture(style, 4, 3), WithMargin({"RRRR", "RRRR", "RRRR"}));
  style.BorderWidth = -3;
  EXPECT_EQ(DrawPicture(style, 2, 1), WithMargin({"FF"}));
}

struct FlatColorCase {
  const char* Name;
  TUiVisualStyle Visual;
  TUiGradientColorStyle Colors;
  Color FlatColor;
  int Adjustment;
  Color Expected;
};

class PanelFlatColors : public testing::TestWithParam<FlatColorCase> {};

TEST_P(PanelFlatColors, FollowTheVisualStyle) {
  const FlatColorCase& c = GetParam();
  PanelStyle style;
  style.VisualStyle = c.Visual;
  style.GradientColorStyle = c.Colors;
  style.FlatColor = c.FlatColor;
  style.FlatColorAdjustment = c.Adjustment;
  EXPECT_EQ(PanelFlatColor(style, kPalette), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, PanelFlatColors,
    testing::Values(
        FlatColorCase{"XpDefault", vsWinXP, gcsSystem, gfx::clBtnShadow, 30, RGB(159, 159, 159)},
        FlatColorCase{"XpUnadjusted", vsWinXP, gcsSystem, gfx::clBtnShadow, 0, gfx::clBtnShadow},
        FlatColorCase{"ClassicShaded", vsClassic, gcsSystem, RGB(128, 128, 128), -30,
                      RGB(96, 96, 96)},
        FlatColorCase{"GradientSystem", vsGradient, gcsSystem, RGB(255, 0, 0), 50,
                      RGB(159, 159, 159)},
        FlatColorCase{"GradientOffice", vsGradient, gcsMSOffice, RGB(255, 0, 0), 50,
                      RGB(159, 159, 159)},
        FlatColorCase{"GradientCustom", vsGradient, gcsCustom, RGB(255, 0, 0), 0, RGB(255, 0, 0)}),
    [](const testing::TestParamInfo<FlatColorCase>& info) { return std::string(info.param.Name); });

TEST(PanelPainting, FlatFramesTakeThePanelFlatColour) {
  PanelStyle style;
  style.BorderOuter = fsFlat;
  style.VisualStyle = vsClassic;
  style.Color = gfx::clWindow;
  EXPECT_EQ(DrawPicture(style, 4, 3), WithMargin({"GGGG", "GWWG", "GGGG"}));
}

// The toolbar: grooves on top and bottom around a ramp from the window colour down to the
// button face shaded by 10.
TEST(PanelPainting, GradientPanelsFillWithThePanelRamp) {
  PanelStyle style;
  style.BorderOuter = fsGroove;
  style.BorderSides = {sdTop, sdBottom};
  style.VisualStyle = vsGradient;
  TestSurface surface(kPalette, 5, 12, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  Rect inner = DrawPanelFrameAndBackground(canvas, Rect{0, 0, 5, 12}, style);
  EXPECT_EQ(inner, (Rect{0, 2, 5, 10}));
  RampColors ramp = PanelRampColors(kPalette);
  for (int x = 0; x < 5; ++x) {
    auto at = [&](int y) { return gfx::RgbColorFromPixel(surface.Pixels().At(x, y)); };
    EXPECT_EQ(at(0), RGB(128, 128, 128));
    EXPECT_EQ(at(1), RGB(255, 255, 255));
    for (int y = 2; y < 10; ++y) {
      EXPECT_EQ(at(y), VerticalRampRowColor(ramp.Start, ramp.Stop, 8, y - 2)) << y;
    }
    EXPECT_EQ(at(9), ramp.Stop);
    EXPECT_EQ(at(10), RGB(128, 128, 128));
    EXPECT_EQ(at(11), RGB(255, 255, 255));
  }
}

TEST(PanelPainting, CustomGradientsUseTheirOwnColours) {
  PanelStyle style;
  style.BorderOuter = fsNone;
  style.VisualStyle = vsGradient;
  style.GradientColorStyle = gcsCustom;
  style.GradientColorStart = RGB(0, 0, 0);
  style.GradientColorStop = gfx::clBtnHighlight;
  TestSurface surface(kPalette, 2, 4, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  DrawPanelFrameAndBackground(canvas, Rect{0, 0, 2, 4}, style);
  EXPECT_EQ(gfx::RgbColorFromPixel(surface.Pixels().At(1, 3)), RGB(255, 255, 255));
  EXPECT_EQ(gfx::RgbColorFromPixel(surface.Pixels().At(1, 0)),
            VerticalRampRowColor(RGB(0, 0, 0), RGB(255, 255, 255), 4, 0));
}

}  // namespace
}  // namespace orvanta::controls
