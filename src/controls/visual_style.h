#pragma once

#include <cstdint>

namespace orvanta::controls {

enum TUiVisualStyle : std::uint8_t { vsClassic, vsWinXP, vsGradient };

enum TUiGradientColorStyle : std::uint8_t { gcsSystem, gcsMSOffice, gcsCustom };

enum TOrientation : std::uint8_t { orHorizontal, orVertical };

enum TGradientDirection : std::uint8_t {
  gdDiagonalUp,
  gdDiagonalDown,
  gdHorizontalEnd,
  gdHorizontalCenter,
  gdHorizontalBox,
  gdVerticalEnd,
  gdVerticalCenter,
  gdVerticalBox,
  gdSquareBox,
  gdBigSquareBox,
};

}  // namespace orvanta::controls
