#include "controls/color_sets.h"

#include <gtest/gtest.h>

namespace orvanta::controls {
namespace {

using gfx::RGB;

TEST(ColorSets, ClassicSchemeValues) {
  gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  EXPECT_EQ(PanelRampColors(palette), (RampColors{RGB(255, 255, 255), RGB(203, 198, 188)}));
  EXPECT_EQ(GradientFrameColor(palette), RGB(159, 159, 159));
  EXPECT_EQ(StatusColorSet(palette),
            (StatusColors{RGB(193, 188, 176), RGB(255, 255, 255), RGB(175, 168, 153)}));
  // The hot tool button: framed in the highlight, ramp from 181,189,210 up to 208,212,226.
  EXPECT_EQ(SelectionColorSet(palette),
            (SelectionColors{RGB(10, 36, 106), RGB(208, 212, 226), RGB(181, 189, 210)}));
}

TEST(ColorSets, SelectionIsOneColourOn256ColourDisplays) {
  gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  palette.FullColor = false;
  SelectionColors colors = SelectionColorSet(palette);
  EXPECT_EQ(colors.Start, RGB(181, 189, 210));
  EXPECT_EQ(colors.Stop, RGB(181, 189, 210));
}

TEST(ColorSets, FollowThePalette) {
  gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  palette.Colors[gfx::kSysHighlight] = RGB(0, 0, 0);
  palette.Colors[gfx::kSysWindow] = RGB(255, 255, 255);
  palette.Colors[gfx::kSysBtnFace] = RGB(255, 255, 255);
  palette.Colors[gfx::kSysBtnShadow] = RGB(0, 0, 0);
  EXPECT_EQ(SelectionColorSet(palette).Stop, RGB(178, 178, 178));
  EXPECT_EQ(PanelRampColors(palette).Stop, RGB(244, 244, 244));
  EXPECT_EQ(GradientFrameColor(palette), RGB(32, 32, 32));
}

}  // namespace
}  // namespace orvanta::controls
