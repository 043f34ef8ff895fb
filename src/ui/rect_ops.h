#pragma once

#include <algorithm>

#include "gfx/geometry.h"

namespace orvanta::ui {

// The smallest rectangle holding both; an empty rectangle adds nothing.
constexpr gfx::Rect UnionRect(const gfx::Rect& a, const gfx::Rect& b) {
  if (a.IsEmpty()) {
    return b.IsEmpty() ? gfx::Rect{} : b;
  }
  if (b.IsEmpty()) {
    return a;
  }
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

constexpr bool Intersects(const gfx::Rect& a, const gfx::Rect& b) {
  return !a.Intersect(b).IsEmpty();
}

}  // namespace orvanta::ui
