#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace orvanta::gfx {

// Scan conversion of polygons by the alternate (even-odd) rule. Integer coordinates name pixels,
// as they do for lines: pixel (x, y) is inside when the point (x, y) is, points on a left or
// top edge included and on a right or bottom edge left out. An edge takes part in the rows of
// its half-open vertical extent, so shared vertices count once and horizontal edges never
// count. The polygon is closed implicitly.
//
// Crossings are returned as pixel columns: in a row, the pixels inside are those with an odd
// number of crossings at or left of them, that is [c0, c1), [c2, c3), ... once sorted.
class PolygonScanner {
 public:
  explicit PolygonScanner(std::span<const Point> points);

  // Row range [Top, Bottom) that can hold pixels; Left/Right bound the columns likewise.
  Rect Bounds() const { return m_bounds; }

  // Calls emit(y, x0, x1) for every span of inside pixels in rows [rowBegin, rowEnd), top to
  // bottom and left to right within a row.
  template <typename Emit>
  void Scan(int rowBegin, int rowEnd, Emit&& emit);

  // Whether the pixel is inside; the same answer as Scan gives.
  static bool Contains(std::span<const Point> points, Point pixel);

 private:
  struct Edge {
    std::int64_t X0 = 0;  // x at the upper end
    std::int64_t Y0 = 0;  // y at the upper end
    std::int64_t Dx = 0;
    std::int64_t Dy = 0;  // > 0
    int FirstRow = 0;     // rows [FirstRow, EndRow) cross this edge
    int EndRow = 0;
  };
  void RowCrossings(int y);

  std::vector<Edge> m_edges;  // sorted by FirstRow
  std::vector<std::size_t> m_active;
  std::vector<int> m_crossings;
  Rect m_bounds;
};

// First pixel column at or right of the edge at row y; the row must lie in the edge's vertical
// extent.
int EdgeCrossingColumn(std::int64_t x0, std::int64_t y0, std::int64_t dx, std::int64_t dy, int y);

template <typename Emit>
void PolygonScanner::Scan(int rowBegin, int rowEnd, Emit&& emit) {
  rowBegin = std::max(rowBegin, m_bounds.Top);
  rowEnd = std::min(rowEnd, m_bounds.Bottom);
  m_active.clear();
  std::size_t next = 0;
  for (int y = rowBegin; y < rowEnd; ++y) {
    while (next < m_edges.size() && m_edges[next].FirstRow <= y) {
      if (m_edges[next].EndRow > y) {
        m_active.push_back(next);
      }
      ++next;
    }
    std::erase_if(m_active, [&](std::size_t e) { return m_edges[e].EndRow <= y; });
    RowCrossings(y);
    for (std::size_t i = 0; i + 1 < m_crossings.size(); i += 2) {
      if (m_crossings[i] < m_crossings[i + 1]) {
        emit(y, m_crossings[i], m_crossings[i + 1]);
      }
    }
  }
}

}  // namespace orvanta::gfx
