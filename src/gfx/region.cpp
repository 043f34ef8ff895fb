#include "gfx/region.h"

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
  Region region = *this;
  if (!m_bounds.IsEmpty()) {
    region.m_bounds = m_bounds.Offset(dx, dy);
  }
  for (Point& p : region.m_points) {
    p.X += dx;
    p.Y += dy;
  }
  return region;
}

}  // namespace orvanta::gfx
