#pragma once

#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace orvanta::gfx {

// A clipping region: a rectangle or a polygon filled by the alternate (even-odd) rule. A pixel
// belongs to a polygon region exactly when the canvas would fill it for that polygon.
class Region {
 public:
  static Region FromRect(const Rect& r);
  static Region FromPolygon(std::span<const Point> points);

  bool Contains(Point p) const;
  Rect Bounds() const { return m_bounds; }
  bool IsRect() const { return m_points.empty(); }
  const std::vector<Point>& Points() const { return m_points; }
  Region Offset(int dx, int dy) const;

 private:
  Rect m_bounds;
  std::vector<Point> m_points;  // empty for a rectangle region
};

}  // namespace orvanta::gfx
