#pragma once

#include <array>

#include "controls/frame_style.h"
#include "gfx/canvas.h"

namespace orvanta::controls {

// Draws a frame of `style` on the sides of `rect` in `sides` and returns the rectangle inside
// it (logical pixels; right and bottom exclusive). All lines are one pixel and nothing is drawn
// outside `rect`. fsFlat, fsFlatBold and fsFlatRounded draw in `flatColor`; AutoColor takes
// the style's colour from kFrameColors (clBtnShadow for fsFlatRounded).
gfx::Rect DrawFrameSides(gfx::Canvas& canvas, const gfx::Rect& rect, TFrameStyleEx style,
                         TSides sides, gfx::Color flatColor = gfx::AutoColor);

// `rect` shrunk by `amount` on each side in `sides`.
gfx::Rect ShrinkSides(const gfx::Rect& rect, TSides sides, int amount);

// The four one-pixel lines of a ring on `rect` that stop `cornerCut` pixels short of each
// corner: left, top, right, bottom.
std::array<gfx::Rect, 4> CornerlessRing(const gfx::Rect& rect, int cornerCut);

}  // namespace orvanta::controls
