#include "platform/win32/win32_system_palette.h"

#include "platform/win32/handles.h"

namespace orvanta::platform {
namespace {

// More than this many bits per pixel is a full-colour display.
constexpr int kPaletteBits = 8;

}  // namespace

gfx::SystemPalette Win32SystemPalette() {
  gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  for (unsigned i = 0; i < palette.Colors.size(); ++i) {
    // COLORREF has red in the low byte, as gfx::Color does. Indices the system does not know
    // keep the classic value.
    if (GetSysColorBrush(static_cast<int>(i)) != nullptr) {
      palette.Colors[i] = static_cast<gfx::Color>(GetSysColor(static_cast<int>(i))) & 0xFFFFFFu;
    }
  }
  WindowDc screen(nullptr);
  if (screen.Get() != nullptr) {
    palette.FullColor =
        GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES) > kPaletteBits;
  }
  return palette;
}

}  // namespace orvanta::platform
