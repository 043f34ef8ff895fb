#pragma once

#include "gfx/bitmap.h"

namespace orvanta::app {

// The toolbar glyphs, 32 × 32, in the order of the toolbar's image list.
enum class ToolbarGlyph { Refresh, Help, About, Upgrade, HomePage, Exit };

// The run list's state images, 16 × 16: a green rounded square for a normal row and an
// orange one for an abnormal row.
enum class StateImage { Normal, Abnormal };

gfx::Image PaintToolbarGlyph(ToolbarGlyph glyph);
gfx::Image PaintStateImage(StateImage image);
gfx::Image PaintLogPageIcon();    // 32 × 32, header of the log page
gfx::Image PaintChartPageIcon();  // 32 × 32, header of the chart page
gfx::Image PaintProgramIcon(int size);

}  // namespace orvanta::app
