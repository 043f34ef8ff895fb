#pragma once

#include <cstdint>
#include <vector>

#include "gfx/color.h"
#include "gfx/geometry.h"

namespace orvanta::gfx {

// An off-screen surface of 32-bit pixels (0x00RRGGBB), row by row from the top.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Pixel fill = 0)
      : m_width(width > 0 ? width : 0),
        m_height(height > 0 ? height : 0),
        m_pixels(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill) {}

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  Size GetSize() const { return {m_width, m_height}; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  Pixel At(int x, int y) const { return m_pixels[Index(x, y)]; }
  Pixel& At(int x, int y) { return m_pixels[Index(x, y)]; }
  Pixel* Row(int y) { return m_pixels.data() + Index(0, y); }
  const Pixel* Row(int y) const { return m_pixels.data() + Index(0, y); }
  const std::vector<Pixel>& Pixels() const { return m_pixels; }
  void Resize(int width, int height, Pixel fill = 0) { *this = Bitmap(width, height, fill); }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x);
  }
  int m_width = 0;
  int m_height = 0;
  std::vector<Pixel> m_pixels;
};

// A picture with straight (not premultiplied) alpha, as image lists and icons hold them:
// 0xAARRGGBB per pixel.
struct Image {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Argb;
};

}  // namespace orvanta::gfx
