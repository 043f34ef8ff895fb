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

unsigned ChannelFromUnit(double value) {
  double clamped = std::clamp(value, 0.0, 1.0);
  return static_cast<unsigned>(RoundHalfEven(clamped * 255.0));
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
  double r = gfx::GetRValue(rgb) / 255.0;
  double g = gfx::GetGValue(rgb) / 255.0;
  double b = gfx::GetBValue(rgb) / 255.0;
  double max = std::max({r, g, b});
  double min = std::min({r, g, b});
  double l = (max + min) / 2.0;
  double h = 0.0;
  double s = 0.0;
  if (max != min) {
    double d = max - min;
    s = l < 0.5 ? d / (max + min) : d / (2.0 - max - min);
    if (r == max) {
      h = (g - b) / d;
    } else if (g == max) {
      h = 2.0 + (b - r) / d;
    } else {
      h = 4.0 + (r - g) / d;
    }
    h /= 6.0;
    if (h < 0.0) {
      h += 1.0;
    }
  }
  return {static_cast<int>(RoundHalfEven(h * 240.0)), static_cast<int>(RoundHalfEven(s * 240.0)),
          static_cast<int>(RoundHalfEven(l * 240.0))};
}

Color ColorFromHsl(Hsl hsl) {
  // Hue divides by 239, so H = 239 and H = 240 reach 6h >= 6: they continue the last sector
  // (towards red) rather than wrapping, and the channel limits keep the result in range.
  double h = std::clamp(hsl.H, 0, 240) / 239.0;
  double s = std::clamp(hsl.S, 0, 240) / 240.0;
  double l = hsl.L / 240.0;
  double v = l < 0.5 ? l * (1.0 + s) : l + s - l * s;
  if (v <= 0.0) {
    return gfx::clBlack;
  }
  double m = 2.0 * l - v;
  int sector = std::min(static_cast<int>(6.0 * h), 5);
  double f = 6.0 * h - sector;
  double step = v * ((v - m) / v) * f;
  double up = m + step;
  double down = v - step;
  struct Channels {
    double R, G, B;
  };
  Channels c{};
  switch (sector) {
    case 0:
      c = {v, up, m};
      break;
    case 1:
      c = {down, v, m};
      break;
    case 2:
      c = {m, v, up};
      break;
    case 3:
      c = {m, down, v};
      break;
    case 4:
      c = {up, m, v};
      break;
    default:
      c = {v, m, down};
      break;
  }
  return gfx::RGB(ChannelFromUnit(c.R), ChannelFromUnit(c.G), ChannelFromUnit(c.B));
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

}  // namespace orvanta::controls
