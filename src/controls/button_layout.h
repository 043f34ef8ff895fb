#pragma once

#include <array>
#include <vector>

#include "gfx/geometry.h"
#include "ui/text_alignment.h"

namespace orvanta::controls {

// Where a push button draws, client pixels.
struct ButtonRects {
  gfx::Rect Frame;    // the frame ring, inside the outer ring
  gfx::Rect Face;     // inside both rings
  gfx::Rect Caption;  // the caption's area, which the focus border outlines
};

ButtonRects PlaceButton(const gfx::Rect& client);

// The four strips of a ring `width` pixels wide just inside `rect`, without overlaps: top,
// bottom, then left and right between them.
std::array<gfx::Rect, 4> InnerRingStrips(const gfx::Rect& rect, int width);

// The dots of the focus border on `rect`: along each side every second pixel, starting one
// pixel after the side's first one (sides run left to right and top to bottom).
std::vector<gfx::Point> FocusBorderDots(const gfx::Rect& rect);

// The top of a caption `textHeight` pixels high in `area`, placed as `layout` says.
int CaptionTop(const gfx::Rect& area, int textHeight, ui::TextLayout layout);

}  // namespace orvanta::controls
