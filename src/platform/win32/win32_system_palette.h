#pragma once

#include "gfx/color.h"

namespace orvanta::platform {

// The system colours as the user's scheme has them (GetSysColor for every index), and whether
// the screen shows more than 256 colours.
gfx::SystemPalette Win32SystemPalette();

}  // namespace orvanta::platform
