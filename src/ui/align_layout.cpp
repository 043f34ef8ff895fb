#include "ui/align_layout.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace orvanta::ui {

namespace {

// The sort key of an item within its alignment kind: smaller goes first.
int OrderKey(Align kind, const gfx::Rect& r) {
  switch (kind) {
    case Align::Top:
      return r.Top;
    case Align::Bottom:
      return -r.Bottom;
    case Align::Left:
      return r.Left;
    case Align::Right:
      return -r.Right;
    default:
      return 0;
  }
}

gfx::Rect Place(Align kind, const gfx::Rect& bounds, gfx::Rect& rest) {
  const int width = std::max(bounds.Width(), 0);
  const int height = std::max(bounds.Height(), 0);
  gfx::Rect r;
  switch (kind) {
    case Align::Top:
      r = {rest.Left, rest.Top, rest.Right, rest.Top + height};
      rest.Top = std::min(rest.Top + height, rest.Bottom);
      break;
    case Align::Bottom:
      r = {rest.Left, rest.Bottom - height, rest.Right, rest.Bottom};
      rest.Bottom = std::max(rest.Bottom - height, rest.Top);
      break;
    case Align::Left:
      r = {rest.Left, rest.Top, rest.Left + width, rest.Bottom};
      rest.Left = std::min(rest.Left + width, rest.Right);
      break;
    case Align::Right:
      r = {rest.Right - width, rest.Top, rest.Right, rest.Bottom};
      rest.Right = std::max(rest.Right - width, rest.Left);
      break;
    case Align::Client:
      r = rest;
      break;
    case Align::None:
      r = bounds;
      break;
  }
  // A strip never has a negative extent, even when the area is used up.
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

}  // namespace

std::vector<gfx::Rect> AlignBounds(const gfx::Rect& area, std::span<const AlignItem> items) {
  std::vector<gfx::Rect> result(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    result[i] = items[i].Bounds;
  }
  gfx::Rect rest = area;
  constexpr std::array kOrder{Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};
  std::vector<std::size_t> indices;
  for (Align kind : kOrder) {
    indices.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].Kind == kind) {
        indices.push_back(i);
      }
    }
    std::stable_sort(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
      return OrderKey(kind, items[a].Bounds) < OrderKey(kind, items[b].Bounds);
    });
    for (std::size_t i : indices) {
      result[i] = Place(kind, items[i].Bounds, rest);
    }
  }
  return result;
}

}  // namespace orvanta::ui
