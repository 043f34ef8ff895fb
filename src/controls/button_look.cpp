#include "controls/button_look.h"

#include <cstdlib>

#include "controls/color_math.h"

namespace orvanta::controls {

using gfx::Color;

namespace {

constexpr int kOuterRingAmount = 20;
constexpr int kPressedShade = 10;
constexpr int kRampTopTint = 30;
constexpr int kRampBottomShade = 10;
constexpr int kSecondToLastRowShade = 20;
constexpr int kLastRowShade = 30;
constexpr int kHotTrackWhiteWeight = 190;
constexpr int kComplementLightness = 180;
constexpr int kComplementBottomShade = 30;
constexpr int kActiveFaceTint = 30;
constexpr int kActiveTopWeight = 60;
constexpr int kActiveBottomWeight = 160;
constexpr int kCloseHue = 20;
constexpr int kCloseLightness = 60;
constexpr int kCloseHighlightShade = 30;
constexpr int kDisabledFrameTint = 30;
constexpr int kDisabledFrameShade = 80;

HotTrackLook DisabledLook(const ButtonColors& colors, const gfx::SystemPalette& palette) {
  const Color frame = colors.Face == gfx::clBtnFace
                          ? TintColor(gfx::clBtnShadow, kDisabledFrameTint, palette)
                          : ShadeColor(colors.Face, kDisabledFrameShade, palette);
  const Color face = palette.ToRgb(colors.Face);
  return {std::nullopt, frame, {face, face}, std::nullopt, std::nullopt};
}

}  // namespace

RampColors HotTrackRingColors(Color hotTrack, THotTrackColorType type,
                              const gfx::SystemPalette& palette) {
  if (type == htctComplement) {
    const Color top = ComplementaryColor(hotTrack, kComplementLightness, palette);
    return {top, ShadeColor(top, kComplementBottomShade, palette)};
  }
  return {MixColors(gfx::clWhite, hotTrack, kHotTrackWhiteWeight, palette),
          palette.ToRgb(hotTrack)};
}

bool IsCloseToButtonFace(Color highlight, const gfx::SystemPalette& palette) {
  const Hsl h = HslFromColor(highlight, palette);
  const Hsl face = HslFromColor(gfx::clBtnFace, palette);
  return std::abs(h.H - face.H) < kCloseHue && std::abs(h.L - face.L) < kCloseLightness;
}

RampColors ActiveRingColors(Color face, Color highlight, const gfx::SystemPalette& palette) {
  const Color tinted = TintColor(face, kActiveFaceTint, palette);
  const Color h = IsCloseToButtonFace(highlight, palette)
                      ? ShadeColor(highlight, kCloseHighlightShade, palette)
                      : highlight;
  return {MixColors(h, tinted, kActiveTopWeight, palette),
          MixColors(h, tinted, kActiveBottomWeight, palette)};
}

HotTrackLook ButtonHotTrackLook(const ButtonColors& colors, const ButtonState& state,
                                const gfx::SystemPalette& palette) {
  if (!state.Enabled) {
    return DisabledLook(colors, palette);
  }
  HotTrackLook look;
  look.OuterRing = FrameColors{ShadeColor(gfx::clBtnFace, kOuterRingAmount, palette),
                               TintColor(gfx::clBtnFace, kOuterRingAmount, palette)};
  look.Frame = palette.ToRgb(colors.Frame);
  if (state.Pressed) {
    const Color pressed = ShadeColor(colors.Face, kPressedShade, palette);
    look.Face = {pressed, pressed};
    return look;
  }
  look.BottomRows = FaceBottomRows{ShadeColor(colors.Face, kSecondToLastRowShade, palette),
                                   ShadeColor(colors.Face, kLastRowShade, palette)};
  if (!palette.FullColor) {
    // Few colours: a flat face and no rings.
    const Color face = palette.ToRgb(colors.Face);
    look.Face = {face, face};
    return look;
  }
  look.Face = {TintColor(colors.Face, kRampTopTint, palette),
               ShadeColor(colors.Face, kRampBottomShade, palette)};
  if (state.MouseOver) {
    look.Ring = HotTrackRingColors(colors.HotTrack, colors.HotTrackType, palette);
  } else if (state.Active) {
    look.Ring = ActiveRingColors(colors.Face, colors.Highlight, palette);
  }
  return look;
}

}  // namespace orvanta::controls
