#pragma once

#include "gfx/color.h"

namespace orvanta::controls {

// Hue, saturation and lightness, each on a scale of 0 to 240.
struct Hsl {
  int H = 0;
  int S = 0;
  int L = 0;
  friend bool operator==(const Hsl&, const Hsl&) = default;
};

// System colours resolve through the palette. Colours without an RGB value (clNone,
// AutoColor) count as black here; the other functions pass them through instead.
Hsl HslFromColor(gfx::Color color, const gfx::SystemPalette& palette);

// Always a plain RGB colour. Lightness may exceed 240 (a tint clamps it at 255 only):
// channels are limited to 0..255.
gfx::Color ColorFromHsl(Hsl hsl);

// Lighter or darker by `amount` lightness units, hue and saturation kept.
gfx::Color TintColor(gfx::Color color, int amount, const gfx::SystemPalette& palette);
gfx::Color ShadeColor(gfx::Color color, int amount, const gfx::SystemPalette& palette);

// ShadeColor by -n for n < 0, TintColor by n for n > 0; n = 0 returns `color` itself,
// unresolved, so a system colour keeps following the palette.
gfx::Color AdjustFlatColor(gfx::Color color, int n, const gfx::SystemPalette& palette);

// `weight` of c1 out of 255 (limited to 0..255), the rest of c2. clNone or AutoColor on either side
// gives clNone.
gfx::Color MixColors(gfx::Color c1, gfx::Color c2, int weight, const gfx::SystemPalette& palette);

// The colour half way round the hue circle, with the same saturation and the given lightness.
gfx::Color ComplementaryColor(gfx::Color color, int lightness, const gfx::SystemPalette& palette);

// Whether the colour stands for an RGB value once resolved (not clNone, not AutoColor).
constexpr bool HasRgbValue(gfx::Color color) {
  return color != gfx::clNone && color != gfx::AutoColor;
}

}  // namespace orvanta::controls
