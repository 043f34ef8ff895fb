#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace orvanta::gfx {

// The clip of a raster canvas in device pixels: a rectangle, or, once a polygon has been
// intersected, a list of horizontal spans per row. Spans in a row are sorted and disjoint.
class ClipMask {
 public:
  explicit ClipMask(const Rect& bounds) : m_bounds(bounds.IsEmpty() ? Rect{} : bounds) {}

  const Rect& Bounds() const { return m_bounds; }
  bool IsRect() const { return m_isRect; }
  bool IsEmpty() const { return m_bounds.IsEmpty(); }
  bool Contains(int x, int y) const;

  void IntersectRect(const Rect& r);
  void IntersectPolygon(std::span<const Point> points);

  // Calls f(x0, x1) for each part of the pixels [x0, x1) of row y that lies inside the clip.
  template <typename F>
  void ForEachSpan(int y, int x0, int x1, F&& f) const {
    if (y < m_bounds.Top || y >= m_bounds.Bottom) {
      return;
    }
    if (m_isRect) {
      const int a = std::max(x0, m_bounds.Left);
      const int b = std::min(x1, m_bounds.Right);
      if (a < b) {
        f(a, b);
      }
      return;
    }
    const std::size_t row = static_cast<std::size_t>(y - m_bounds.Top);
    for (std::size_t i = m_rowStart[row]; i < m_rowStart[row + 1]; ++i) {
      const int a = std::max(x0, m_spans[i].X0);
      const int b = std::min(x1, m_spans[i].X1);
      if (a < b) {
        f(a, b);
      }
    }
  }

 private:
  struct Span {
    int X0 = 0;
    int X1 = 0;
  };
  // Rebuilds the span table from per-row span lists of the rows [top, top + rows.size()).
  void SetRows(int top, const std::vector<std::vector<Span>>& rows);
  std::vector<std::vector<Span>> RowsWithin(const Rect& r) const;

  Rect m_bounds;
  bool m_isRect = true;
  std::vector<std::size_t> m_rowStart;  // per row of m_bounds, plus one end entry
  std::vector<Span> m_spans;
};

}  // namespace orvanta::gfx
