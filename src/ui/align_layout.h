#pragma once

#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace orvanta::ui {

enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignItem {
  Align Kind = Align::None;
  gfx::Rect Bounds;  // current bounds, parent client pixels
};

// Places aligned children into area in the Windows order: top-aligned first (by their current
// top, then by child order), then bottom (by bottom edge, lowest first), left, right, and the
// client-aligned ones fill what is left. Each takes its strip from the remaining rectangle and
// keeps its own height (top, bottom) or width (left, right). Items with Align::None keep their
// bounds. Returns the new bounds, one per item.
std::vector<gfx::Rect> AlignBounds(const gfx::Rect& area, std::span<const AlignItem> items);

}  // namespace orvanta::ui
