#pragma once

#include "gfx/bitmap.h"
#include "gfx/raster_canvas.h"
#include "support/box_glyph_source.h"

namespace orvanta::controls::testing_support {

// A small bitmap filled with one colour and the raster canvas that draws into it.
class TestSurface {
 public:
  TestSurface(const gfx::SystemPalette& palette, int width, int height, gfx::Color background)
      : m_bitmap(width, height, palette.ToPixel(background)),
        m_canvas(m_bitmap, m_glyphs, palette) {}

  gfx::Canvas& Canvas() { return m_canvas; }
  const gfx::Bitmap& Pixels() const { return m_bitmap; }

 private:
  test::BoxGlyphSource m_glyphs;
  gfx::Bitmap m_bitmap;
  gfx::RasterCanvas m_canvas;
};

}  // namespace orvanta::controls::testing_support
