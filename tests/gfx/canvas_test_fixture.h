#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/raster_canvas.h"
#include "support/box_glyph_source.h"
#include "support/picture.h"

namespace orvanta::gfx {

// A small white bitmap with a raster canvas on it, and ways to look at the pixels.
class CanvasTest : public ::testing::Test {
 protected:
  static constexpr Pixel kWhite = 0xFFFFFF;
  static constexpr Pixel kBlack = 0x000000;

  CanvasTest() { Reset(24, 16); }

  // A fresh bitmap of the given size and a fresh canvas on it.
  void Reset(int width, int height, Pixel fill = kWhite) {
    m_bitmap.Resize(width, height, fill);
    m_canvas = std::make_unique<RasterCanvas>(m_bitmap, m_glyphs, m_palette);
  }
  RasterCanvas& Canvas() { return *m_canvas; }
  Bitmap& Pixels() { return m_bitmap; }
  Pixel At(int x, int y) const { return m_bitmap.At(x, y); }

  // The area as text, one line per row: '#' for black, '.' for white, 'o' for anything else.
  std::string Picture(const Rect& area) const;
  std::string Picture() const { return Picture({0, 0, m_bitmap.Width(), m_bitmap.Height()}); }
  // Bounds of the pixels that differ from the given background.
  Rect InkBounds(Pixel background = kWhite) const;
  int Count(Pixel p) const;

  SystemPalette m_palette = SystemPalette::Classic();
  test::BoxGlyphSource m_glyphs;
  Bitmap m_bitmap;

 private:
  std::unique_ptr<RasterCanvas> m_canvas;
};

using test::Rows;

}  // namespace orvanta::gfx
