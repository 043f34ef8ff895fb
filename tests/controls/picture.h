#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/color.h"

namespace orvanta::controls::testing_support {

// A palette whose system colours all differ, so a picture shows which one was drawn.
inline gfx::SystemPalette DistinctPalette() {
  gfx::SystemPalette p = gfx::SystemPalette::Classic();
  p.Colors[gfx::kSysBtnShadow] = gfx::RGB(128, 128, 128);
  p.Colors[gfx::kSysBtnHighlight] = gfx::RGB(255, 255, 255);
  p.Colors[gfx::kSys3DDkShadow] = gfx::RGB(64, 64, 64);
  p.Colors[gfx::kSys3DLight] = gfx::RGB(224, 224, 224);
  p.Colors[gfx::kSysBtnFace] = gfx::RGB(212, 208, 200);
  p.Colors[gfx::kSysBtnText] = gfx::RGB(0, 0, 0);
  p.Colors[gfx::kSysWindow] = gfx::RGB(250, 250, 240);
  return p;
}

// One letter per colour in the pictures; '.' is the untouched background.
inline constexpr gfx::Color kBackground = gfx::RGB(1, 2, 3);
inline constexpr std::array<std::pair<char, gfx::Color>, 10> kLegend = {{
    {'.', kBackground},
    {'S', gfx::RGB(128, 128, 128)},  // button shadow
    {'H', gfx::RGB(255, 255, 255)},  // button highlight
    {'D', gfx::RGB(64, 64, 64)},     // 3D dark shadow
    {'L', gfx::RGB(224, 224, 224)},  // 3D light
    {'F', gfx::RGB(212, 208, 200)},  // button face
    {'K', gfx::RGB(0, 0, 0)},        // button text
    {'W', gfx::RGB(250, 250, 240)},  // window
    {'G', gfx::RGB(159, 159, 159)},  // button shadow tinted by 30
    {'R', gfx::RGB(255, 0, 0)},
}};

// The bitmap as rows of legend letters ('?' for any other colour), one row per line.
inline std::string Picture(const gfx::Bitmap& bitmap) {
  std::string out;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      char letter = '?';
      for (const auto& [key, color] : kLegend) {
        if (gfx::PixelFromRgbColor(color) == bitmap.At(x, y)) {
          letter = key;
          break;
        }
      }
      out += letter;
    }
    out += '\n';
  }
  return out;
}

// Rows given without their one-pixel margin, returned with it, as Picture prints them.
inline std::string WithMargin(const std::vector<std::string>& rows) {
  std::size_t width = rows.empty() ? 0 : rows.front().size();
  std::string blank(width + 2, '.');
  std::string out = blank + '\n';
  for (const std::string& row : rows) {
    out += '.' + row + ".\n";
  }
  return out + blank + '\n';
}

}  // namespace orvanta::controls::testing_support
