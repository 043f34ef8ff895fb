#include "canvas_test_fixture.h"

#include <algorithm>

namespace orvanta::gfx {

std::string CanvasTest::Picture(const Rect& area) const {
  std::string out;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      const Pixel p = m_bitmap.At(x, y);
      out += p == kBlack ? '#' : p == kWhite ? '.' : 'o';
    }
    out += '\n';
  }
  return out;
}

Rect CanvasTest::InkBounds(Pixel background) const {
  Rect r{m_bitmap.Width(), m_bitmap.Height(), 0, 0};
  for (int y = 0; y < m_bitmap.Height(); ++y) {
    for (int x = 0; x < m_bitmap.Width(); ++x) {
      if (m_bitmap.At(x, y) != background) {
        r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
             std::max(r.Bottom, y + 1)};
      }
    }
  }
  return r.IsEmpty() ? Rect{} : r;
}

int CanvasTest::Count(Pixel p) const {
  return static_cast<int>(std::count(m_bitmap.Pixels().begin(), m_bitmap.Pixels().end(), p));
}

std::string Rows(std::initializer_list<const char*> rows) {
  std::string out;
  for (const char* row : rows) {
    out += row;
    out += '\n';
  }
  return out;
}

}  // namespace orvanta::gfx
