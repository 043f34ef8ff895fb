#include "controls/color_sets.h"

#include "controls/color_math.h"

namespace orvanta::controls {

using gfx::Color;

namespace {

constexpr int kPanelStopShade = 10;
constexpr int kGradientFrameTint = 30;
constexpr int kStatusFirstShade = 20;
constexpr int kStatusThirdShade = 40;
constexpr int kSelectionHighlightWeight = 77;
constexpr int kSelectionStartTint = 20;

}  // namespace

RampColors PanelRampColors(const gfx::SystemPalette& palette) {
  return {palette.ToRgb(gfx::clWindow), ShadeColor(gfx::clBtnFace, kPanelStopShade, palette)};
}

Color GradientFrameColor(const gfx::SystemPalette& palette) {
  return TintColor(gfx::clBtnShadow, kGradientFrameTint, palette);
}

StatusColors StatusColorSet(const gfx::SystemPalette& palette) {
  return {ShadeColor(gfx::clBtnFace, kStatusFirstShade, palette), palette.ToRgb(gfx::clWindow),
          ShadeColor(gfx::clBtnFace, kStatusThirdShade, palette)};
}

SelectionColors SelectionColorSet(const gfx::SystemPalette& palette) {
  Color stop = MixColors(gfx::clHighlight, gfx::clWindow, kSelectionHighlightWeight, palette);
  Color start = palette.FullColor ? TintColor(stop, kSelectionStartTint, palette) : stop;
  return {palette.ToRgb(gfx::clHighlight), start, stop};
}

}  // namespace orvanta::controls
