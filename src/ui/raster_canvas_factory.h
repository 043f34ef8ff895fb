#pragma once

#include "gfx/color.h"
#include "gfx/glyph_source.h"
#include "ui/application.h"

namespace orvanta::ui {

// The canvas factory of the program on both platforms: the raster canvas with the platform's
// glyphs. The glyph source and the palette must outlive the application.
CanvasFactory RasterCanvasFactory(gfx::GlyphSource& glyphs, const gfx::SystemPalette& palette);

}  // namespace orvanta::ui
