#include "gfx/polygon_scan.h"

#include <algorithm>
#include <limits>

#include "gfx/coordinate_limit.h"

namespace orvanta::gfx {

namespace {

std::int64_t CeilDiv(std::int64_t num, std::int64_t den) {  // den > 0
  std::int64_t q = num / den;
  return (num % den != 0 && num > 0) ? q + 1 : q;
}

int ClampToInt(std::int64_t v) {
  return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

}  // namespace

int EdgeCrossingColumn(std::int64_t x0, std::int64_t y0, std::int64_t dx, std::int64_t dy, int y) {
  // The edge's x at row y, rounded up: x0 + (y - y0) * dx / dy, scaled by dy to stay in
  // integers.
  const std::int64_t num = x0 * dy + (y - y0) * dx;
  return ClampToInt(CeilDiv(num, dy));
}

PolygonScanner::PolygonScanner(std::span<const Point> points) {
  if (points.size() < 3) {
    return;
  }
  const Point first = ClampPoint(points[0]);
  int minX = first.X, maxX = first.X, minY = first.Y, maxY = first.Y;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point a = ClampPoint(points[i]);
    const Point b = ClampPoint(points[(i + 1) % points.size()]);
    minX = std::min(minX, a.X);
    maxX = std::max(maxX, a.X);
    minY = std::min(minY, a.Y);
    maxY = std::max(maxY, a.Y);
    if (a.Y == b.Y) {
      continue;
    }
    const Point& top = a.Y < b.Y ? a : b;
    const Point& bottom = a.Y < b.Y ? b : a;
    m_edges.push_back({top.X, top.Y, std::int64_t{bottom.X} - top.X, std::int64_t{bottom.Y} - top.Y,
                       top.Y, bottom.Y});
  }
  std::sort(m_edges.begin(), m_edges.end(),
            [](const Edge& l, const Edge& r) { return l.FirstRow < r.FirstRow; });
  m_bounds = m_edges.empty() ? Rect{} : Rect{minX, minY, maxX, maxY};
}

void PolygonScanner::RowCrossings(int y) {
  m_crossings.clear();
  for (std::size_t e : m_active) {
    const Edge& edge = m_edges[e];
    m_crossings.push_back(EdgeCrossingColumn(edge.X0, edge.Y0, edge.Dx, edge.Dy, y));
  }
  std::sort(m_crossings.begin(), m_crossings.end());
}

bool PolygonScanner::Contains(std::span<const Point> points, Point pixel) {
  if (points.size() < 3) {
    return false;
  }
  bool inside = false;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point a = ClampPoint(points[i]);
    const Point b = ClampPoint(points[(i + 1) % points.size()]);
    if (a.Y == b.Y) {
      continue;
    }
    const Point& top = a.Y < b.Y ? a : b;
    const Point& bottom = a.Y < b.Y ? b : a;
    if (pixel.Y < top.Y || pixel.Y >= bottom.Y) {
      continue;
    }
    const int column = EdgeCrossingColumn(top.X, top.Y, std::int64_t{bottom.X} - top.X,
                                          std::int64_t{bottom.Y} - top.Y, pixel.Y);
    if (column <= pixel.X) {
      inside = !inside;
    }
  }
  return inside;
}

}  // namespace orvanta::gfx
