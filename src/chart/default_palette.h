#pragma once

#include <array>

#include "gfx/color.h"

namespace orvanta::chart {

// Colours of the points of a series that colours each point on its own: point i takes
// entry i mod 20.
inline constexpr std::array<gfx::Color, 20> DefaultPalette = {
    gfx::clRed,   gfx::clGreen,      gfx::clYellow,  gfx::clBlue,   gfx::clWhite,
    gfx::clGray,  gfx::clFuchsia,    gfx::clTeal,    gfx::clNavy,   gfx::clMaroon,
    gfx::clLime,  gfx::clOlive,      gfx::clPurple,  gfx::clSilver, gfx::clAqua,
    gfx::clBlack, gfx::clMoneyGreen, gfx::clSkyBlue, gfx::clCream,  gfx::clMedGray,
};

}  // namespace orvanta::chart
