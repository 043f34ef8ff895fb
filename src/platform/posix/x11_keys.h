#pragma once

#include <cstdint>

namespace orvanta::platform {

// The virtual-key code (ui::VirtualKey) of an X key symbol, 0 when it has none. Letters and
// digits map to their upper-case ASCII codes whatever the shift state.
unsigned VirtualKeyFromKeySym(unsigned long keySym);

// The character a key symbol types, or 0 for keys that type none (control keys, function
// keys, and control characters).
char32_t CharFromKeySym(unsigned long keySym);

}  // namespace orvanta::platform
