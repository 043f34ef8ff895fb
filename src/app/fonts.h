#pragma once

#include "gfx/color.h"
#include "gfx/font.h"

namespace orvanta::app {

enum class Weight { Regular, Bold };

// The windows' fonts: a face, its em height in pixels, the weight and the text colour.
inline gfx::Font AppFont(const char* name, int height, Weight weight = Weight::Regular,
                         gfx::Color color = gfx::clWindowText) {
  gfx::Font font;
  font.Name = name;
  font.Height = height;
  font.Bold = weight == Weight::Bold;
  font.TextColor = color;
  return font;
}

inline gfx::Font ArialFont(int height, Weight weight = Weight::Regular,
                           gfx::Color color = gfx::clWindowText) {
  return AppFont("Arial", height, weight, color);
}

}  // namespace orvanta::app
