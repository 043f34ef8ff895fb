#include "ui/raster_canvas_factory.h"

#include "gfx/raster_canvas.h"

namespace orvanta::ui {

CanvasFactory RasterCanvasFactory(gfx::GlyphSource& glyphs, const gfx::SystemPalette& palette) {
  return [&glyphs, &palette](gfx::Bitmap& bitmap) -> std::unique_ptr<gfx::Canvas> {
    return std::make_unique<gfx::RasterCanvas>(bitmap, glyphs, palette);
  };
}

}  // namespace orvanta::ui
