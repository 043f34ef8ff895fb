#pragma once

#include <cstdint>

namespace orvanta::controls {

// Which colour marks what is under the pointer: the hot-track colour itself, or its
// complement.
enum THotTrackColorType : std::uint8_t { htctActual, htctComplement };

}  // namespace orvanta::controls
