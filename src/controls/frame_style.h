#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

#include "gfx/color.h"

namespace orvanta::controls {

enum TFrameStyleEx : std::uint8_t {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded,
};

// The frame styles a pane may take: fsNone to fsFlatBold, without fsFlatRounded.
using TFrameStyle = TFrameStyleEx;
constexpr bool IsFrameStyle(TFrameStyleEx style) {
  return style <= fsFlatBold;
}

enum TSide : std::uint8_t { sdLeft, sdTop, sdRight, sdBottom };

// A set of sides; a frame is drawn only on the sides in its set.
class TSides {
 public:
  constexpr TSides() = default;
  constexpr TSides(std::initializer_list<TSide> sides) {
    for (TSide side : sides) {
      m_bits = static_cast<std::uint8_t>(m_bits | Bit(side));
    }
  }
  static constexpr TSides All() { return {sdLeft, sdTop, sdRight, sdBottom}; }

  constexpr bool Contains(TSide side) const { return (m_bits & Bit(side)) != 0; }
  constexpr bool IsEmpty() const { return m_bits == 0; }
  friend constexpr bool operator==(TSides, TSides) = default;

 private:
  static constexpr std::uint8_t Bit(TSide side) { return static_cast<std::uint8_t>(1u << side); }
  std::uint8_t m_bits = 0;
};

// The two colours of a one-ring frame: left and top lines, right and bottom lines.
struct FrameColors {
  gfx::Color UpperLeft;
  gfx::Color LowerRight;
};

// Indexed by frame style, fsNone to fsFlatBold.
inline constexpr std::array<FrameColors, fsFlatBold + 1> kFrameColors = {{
    {gfx::clWindow, gfx::clWindow},           // fsNone
    {gfx::cl3DDkShadow, gfx::cl3DDkShadow},   // fsFlat
    {gfx::clBtnShadow, gfx::clBtnHighlight},  // fsGroove
    {gfx::clBtnHighlight, gfx::clBtnShadow},  // fsBump
    {gfx::clBtnShadow, gfx::clBtnHighlight},  // fsLowered
    {gfx::clNone, gfx::clNone},               // fsButtonDown
    {gfx::cl3DDkShadow, gfx::clBtnFace},      // fsRaised
    {gfx::clNone, gfx::clNone},               // fsButtonUp
    {gfx::clBtnShadow, gfx::clBtnHighlight},  // fsStatus
    {gfx::clBtnHighlight, gfx::clBtnShadow},  // fsPopup
    {gfx::clBtnShadow, gfx::clBtnShadow},     // fsFlatBold
}};

// Pixels a frame of each style takes from every side it is drawn on.
inline constexpr std::array<int, fsFlatRounded + 1> kFrameWidths = {
    0,  // fsNone
    1,  // fsFlat
    2,  // fsGroove
    2,  // fsBump
    2,  // fsLowered
    2,  // fsButtonDown
    2,  // fsRaised
    2,  // fsButtonUp
    1,  // fsStatus
    1,  // fsPopup
    2,  // fsFlatBold
    1,  // fsFlatRounded
};

// A two-ring bevel: the outer ring's colours, then the inner ring's.
struct BevelColors {
  FrameColors Outer;
  FrameColors Inner;
};

inline constexpr BevelColors kRaised3DColors = {{gfx::cl3DLight, gfx::cl3DDkShadow},
                                                {gfx::clBtnHighlight, gfx::clBtnShadow}};
inline constexpr BevelColors kLowered3DColors = {{gfx::clBtnShadow, gfx::clBtnHighlight},
                                                 {gfx::cl3DDkShadow, gfx::cl3DLight}};
inline constexpr BevelColors kButtonUpColors = {{gfx::clBtnHighlight, gfx::cl3DDkShadow},
                                                {gfx::cl3DLight, gfx::clBtnShadow}};
inline constexpr BevelColors kButtonDownColors = {{gfx::clBtnText, gfx::clBtnText},
                                                  {gfx::clBtnShadow, gfx::clBtnShadow}};

}  // namespace orvanta::controls
