#pragma once

#include "gfx/geometry.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {

// Both keep right and bottom exclusive, so the conversion copies the edges.
inline RECT ToWinRect(const gfx::Rect& r) {
  return {r.Left, r.Top, r.Right, r.Bottom};
}

inline gfx::Rect FromWinRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace orvanta::platform
