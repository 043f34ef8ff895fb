#pragma once

#include "gfx/canvas.h"

namespace orvanta::controls {

// The colour of row `row` (0 = top) of a vertical ramp `height` rows high from `top` to
// `bottom` (RGB colours). Per channel the step is (top - bottom) * 65536 / height, truncated
// toward zero; the bottom row is exactly `bottom` and each row above adds one step to a 16.16
// accumulator, so the top row comes close to `top` without always reaching it.
gfx::Color VerticalRampRowColor(gfx::Color top, gfx::Color bottom, int height, int row);

// Fills `rect` (logical pixels) with the vertical ramp from `top` at its top row to `bottom`
// at its bottom row. System colours resolve through the canvas palette; nothing is drawn for
// an empty rectangle or when either colour is clNone or AutoColor.
void FillVerticalRamp(gfx::Canvas& canvas, const gfx::Rect& rect, gfx::Color top,
                      gfx::Color bottom);

}  // namespace orvanta::controls
