#pragma once

#include <algorithm>
#include <cstdint>

#include "gfx/geometry.h"

namespace orvanta::gfx {

// Pixel coordinates are clamped to this range before they are rasterised: far beyond any
// surface, and small enough that the 64-bit products of the line and polygon steppers and the
// sums of origin and coordinate cannot overflow.
constexpr int kCoordinateLimit = 1 << 29;

constexpr int ClampCoordinate(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, -kCoordinateLimit, kCoordinateLimit));
}

constexpr Point ClampPoint(Point p) {
  return {ClampCoordinate(p.X), ClampCoordinate(p.Y)};
}

}  // namespace orvanta::gfx
