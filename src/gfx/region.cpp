#include "gfx/region.h"

#include "gfx/coordinate_limit.h"
#include "gfx/polygon_scan.h"

namespace orvanta::gfx {

Region Region::FromRect(const Rect& r) {
  Region region;
  region.m_bounds = r.IsEmpty() ? Rect{} : r;
  return region;
}

Region Region::FromPolygon(std::span<const Point> points) {
  Region region;
  PolygonScanner scanner(points);
  region.m_bounds = scanner.Bounds();
  if (!region.m_bounds.IsEmpty()) {
    region.m_points.assign(points.begin(), points.end());
  }
  return region;
}

bool Region::Contains(Point p) const {
  if (!m_bounds.Contains(p)) {
    return false;
  }
  return IsRect() || PolygonScanner::Contains(m_points, p);
}

Region Region::Offset(int dx, int dy) const {
  const auto shift = [dx, dy](Point p) {
    return Point{ClampCoordinate(std::int64_t{p.X} + dx), ClampCoordinate(std::int64_t{p.Y} + dy)};
  };
  Region region = *this;
  if (!m_bounds.IsEmpty()) {
    const Point topLeft = shift({m_bounds.Left, m_bounds.Top});
    const Point bottomRight = shift({m_bounds.Right, m_bounds.Bottom});
    region.m_bounds = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
  }
  for (Point& p : region.m_points) {
    p = shift(p);
  }
  return region;
}

}  // namespace orvanta::gfx
