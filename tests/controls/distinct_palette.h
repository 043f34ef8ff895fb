#pragma once

#include <array>

#include "gfx/color.h"
#include "support/picture.h"

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
inline constexpr std::array<test::PictureKey, 10> kLegend = {{
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

}  // namespace orvanta::controls::testing_support
