#include "canvas_test_fixture.h"

#include <algorithm>

namespace orvanta::gfx {

std::string CanvasTest::Picture(const Rect& area) const {
  constexpr test::PictureKey kInk[] = {{'#', RGB(0, 0, 0)}, {'.', RGB(255, 255, 255)}};
  return test::Picture(m_bitmap, kInk, 'o', area);
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

}  // namespace orvanta::gfx
