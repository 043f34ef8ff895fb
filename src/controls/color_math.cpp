#include "controls/color_math.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orvanta::controls {

using gfx::Color;

namespace {

constexpr std::int64_t kIntMin = std::numeric_limits<int>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<int>::max();

// Nearest integer with ties to the even neighbour, independent of the floating-point
// environment's rounding mode.
double RoundHalfEven(double x) {
  double lower = std::floor(x);
  double fraction = x - lower;
  if (fraction > 0.5) {
    return lower + 1.0;
  }
  if (fraction < 0.5) {
    return lower;
  }
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// p / q rounded to the nearest integer, ties to the even neighbour; q > 0. The colour
// conversions work in exact fractions so that a true half is seen as one: in floating point,
// 42.5 may come out as 42.500000001 and round up.
std::int64_t RoundFractionHalfEven(std::int64_t p, std::int64_t q) {
  std::int64_t quotient = p / q;
  std::int64_t remainder = p % q;
  if (remainder < 0) {
    --quotient;  // towards minus infinity
    remainder += q;
  }
  if (2 * remainder > q || (2 * remainder == q && quotient % 2 != 0)) {
    ++quotient;
  }
  return quotient;
}

// A channel given as the fraction c / scale of full intensity, limited to 0..1, in 0..255.
unsigned ChannelFromFraction(std::int64_t c, std::int64_t scale) {
  return static_cast<unsigned>(
      RoundFractionHalfEven(std::clamp<std::int64_t>(c, 0, scale) * 255, scale));
}

// Lightness units are ints, but callers may pass any amount: clamp in a wider type first.
int ClampLightness(std::int64_t lightness, std::int64_t low, std::int64_t high) {
  return static_cast<int>(std::clamp(lightness, low, high));
}

Color ResolveRgb(Color color, const gfx::SystemPalette& palette) {
  return HasRgbValue(color) ? palette.ToRgb(color) : gfx::clBlack;
}

}  // namespace

Hsl HslFromColor(Color color, const gfx::SystemPalette& palette) {
  Color rgb = ResolveRgb(color, palette);
  // Channels in 0..255; each of H, S and L is a fraction times 240, kept exact.
  const std::int64_t r = gfx::GetRValue(rgb);
  const std::int64_t g = gfx::GetGValue(rgb);
  const std::int64_t b = gfx::GetBValue(rgb);
  const std::int64_t max = std::max({r, g, b});
  const std::int64_t min = std::min({r, g, b});
  // L = (max + min) / 2 of full intensity: 240 (max + min) / 510.
  const int l = static_cast<int>(RoundFractionHalfEven(240 * (max + min), 510));
  if (max == min) {
    return {0, 0, l};
  }
  const std::int64_t d = max - min;
  // S = d / (max + min) below half lightness, d / (2 - max - min) from it on.
  const std::int64_t sDenominator = max + min < 255 ? max + min : 510 - max - min;
  const int s = static_cast<int>(RoundFractionHalfEven(240 * d, sDenominator));
  // H in sixths of the circle: (g - b) / d, 2 + (b - r) / d or 4 + (r - g) / d; times 240 / 6.
  std::int64_t hNumerator = 0;
  if (r == max) {
    hNumerator = 40 * (g - b);
  } else if (g == max) {
    hNumerator = 40 * (2 * d + b - r);
  } else {
    hNumerator = 40 * (4 * d + r - g);
  }
  if (hNumerator < 0) {
    hNumerator += 240 * d;
  }
  return {static_cast<int>(RoundFractionHalfEven(hNumerator, d)), s, l};
}

Color ColorFromHsl(Hsl hsl) {
  // h = H / 239, s = S / 240, l = L / 240, all kept exact: v and m as multiples of 1 / 240^2,
  // the channels as multiples of 1 / (240^2 * 239).
  const std::int64_t h = std::clamp(hsl.H, 0, 240);
  const std::int64_t s = std::clamp(hsl.S, 0, 240);
  const std::int64_t l = hsl.L;
  const std::int64_t v = l < 120 ? l * (240 + s) : 240 * l + 240 * s - l * s;
  if (v <= 0) {
    return gfx::clBlack;
  }
  const std::int64_t m = 480 * l - v;
  // Hue divides by 239, so H = 239 and H = 240 reach 6h >= 6: they continue the last sector
  // (towards red) rather than wrapping, and the channel limits keep the result in range.
  const std::int64_t sector = std::min<std::int64_t>(6 * h / 239, 5);
  const std::int64_t f = 6 * h - 239 * sector;  // the fraction f, times 239
  const std::int64_t step = (v - m) * f;        // v ((v - m) / v) f, times 240^2 * 239
  const std::int64_t top = v * 239;
  const std::int64_t bottom = m * 239;
  const std::int64_t up = bottom + step;
  const std::int64_t down = top - step;
  struct Channels {
    std::int64_t R, G, B;
  };
  Channels c{};
  switch (sector) {
    case 0:
      c = {top, up, bottom};
      break;
    case 1:
      c = {down, top, bottom};
      break;
    case 2:
      c = {bottom, top, up};
      break;
    case 3:
      c = {bottom, down, top};
      break;
    case 4:
      c = {up, bottom, top};
      break;
    default:
      c = {top, bottom, down};
      break;
  }
  constexpr std::int64_t kScale = 240 * 240 * 239;
  return gfx::RGB(ChannelFromFraction(c.R, kScale), ChannelFromFraction(c.G, kScale),
                  ChannelFromFraction(c.B, kScale));
}

Color TintColor(Color color, int amount, const gfx::SystemPalette& palette) {
  if (!HasRgbValue(color)) {
    return color;
  }
  Hsl hsl = HslFromColor(color, palette);
  hsl.L = ClampLightness(static_cast<std::int64_t>(hsl.L) + amount, kIntMin, 255);
  return ColorFromHsl(hsl);
}

Color ShadeColor(Color color, int amount, const gfx::SystemPalette& palette) {
  if (!HasRgbValue(color)) {
    return color;
  }
  Hsl hsl = HslFromColor(color, palette);
  hsl.L = ClampLightness(static_cast<std::int64_t>(hsl.L) - amount, 0, kIntMax);
  return ColorFromHsl(hsl);
}

Color AdjustFlatColor(Color color, int n, const gfx::SystemPalette& palette) {
  if (n < 0) {
    // -n overflows for INT_MIN; shading by INT_MAX is already black.
    return ShadeColor(color,
                      n == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -n,
                      palette);
  }
  if (n > 0) {
    return TintColor(color, n, palette);
  }
  return color;
}

Color MixColors(Color c1, Color c2, int weight, const gfx::SystemPalette& palette) {
  if (!HasRgbValue(c1) || !HasRgbValue(c2)) {
    return gfx::clNone;
  }
  Color rgb1 = palette.ToRgb(c1);
  Color rgb2 = palette.ToRgb(c2);
  // The weight is a single-precision fraction; the blend itself is computed wider.
  double x = static_cast<double>(static_cast<float>(std::clamp(weight, 0, 255)) / 255.0f);
  auto mix = [x](unsigned a, unsigned b) {
    return static_cast<unsigned>(RoundHalfEven(a * x + b * (1.0 - x)));
  };
  return gfx::RGB(mix(gfx::GetRValue(rgb1), gfx::GetRValue(rgb2)),
                  mix(gfx::GetGValue(rgb1), gfx::GetGValue(rgb2)),
                  mix(gfx::GetBValue(rgb1), gfx::GetBValue(rgb2)));
}

Color ComplementaryColor(Color color, int lightness, const gfx::SystemPalette& palette) {
  Hsl hsl = HslFromColor(color, palette);
  constexpr int kHueCircle = 240;
  hsl.H = (hsl.H + kHueCircle / 2) % kHueCircle;
  hsl.L = lightness;
  return ColorFromHsl(hsl);
}

}  // namespace orvanta::controls
