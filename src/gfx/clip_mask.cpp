#include "gfx/clip_mask.h"

#include "gfx/polygon_scan.h"

namespace orvanta::gfx {

bool ClipMask::Contains(int x, int y) const {
  bool inside = false;
  ForEachSpan(y, x, x + 1, [&](int, int) { inside = true; });
  return inside;
}

std::vector<std::vector<ClipMask::Span>> ClipMask::RowsWithin(const Rect& r) const {
  std::vector<std::vector<Span>> rows(static_cast<std::size_t>(std::max(r.Height(), 0)));
  for (int y = r.Top; y < r.Bottom; ++y) {
    auto& row = rows[static_cast<std::size_t>(y - r.Top)];
    ForEachSpan(y, r.Left, r.Right, [&](int a, int b) { row.push_back({a, b}); });
  }
  return rows;
}

void ClipMask::IntersectRect(const Rect& r) {
  const Rect bounds = m_bounds.Intersect(r);
  if (m_isRect || bounds.IsEmpty()) {
    m_bounds = bounds;
    if (bounds.IsEmpty()) {
      m_isRect = true;
      m_rowStart.clear();
      m_spans.clear();
    }
    return;
  }
  SetRows(bounds.Top, RowsWithin(bounds));
}

void ClipMask::IntersectPolygon(std::span<const Point> points) {
  PolygonScanner scanner(points);
  const Rect bounds = m_bounds.Intersect(scanner.Bounds());
  if (bounds.IsEmpty()) {
    IntersectRect(Rect{});
    return;
  }
  std::vector<std::vector<Span>> current = RowsWithin(bounds);
  std::vector<std::vector<Span>> rows(current.size());
  scanner.Scan(bounds.Top, bounds.Bottom, [&](int y, int x0, int x1) {
    const auto index = static_cast<std::size_t>(y - bounds.Top);
    for (const Span& s : current[index]) {
      const int a = std::max(x0, s.X0);
      const int b = std::min(x1, s.X1);
      if (a < b) {
        rows[index].push_back({a, b});
      }
    }
  });
  SetRows(bounds.Top, rows);
}

void ClipMask::SetRows(int top, const std::vector<std::vector<Span>>& rows) {
  // Trim empty rows at both ends and tighten the bounds to the spans.
  std::size_t first = 0;
  std::size_t last = rows.size();
  while (first < last && rows[first].empty()) {
    ++first;
  }
  while (last > first && rows[last - 1].empty()) {
    --last;
  }
  m_rowStart.clear();
  m_spans.clear();
  if (first == last) {
    m_bounds = Rect{};
    m_isRect = true;
    return;
  }
  int left = rows[first].front().X0;
  int right = rows[first].back().X1;
  m_rowStart.reserve(last - first + 1);
  for (std::size_t i = first; i < last; ++i) {
    m_rowStart.push_back(m_spans.size());
    for (const Span& s : rows[i]) {
      m_spans.push_back(s);
      left = std::min(left, s.X0);
      right = std::max(right, s.X1);
    }
  }
  m_rowStart.push_back(m_spans.size());
  m_bounds = Rect{left, top + static_cast<int>(first), right, top + static_cast<int>(last)};
  m_isRect = false;
}

}  // namespace orvanta::gfx
