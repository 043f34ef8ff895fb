#pragma once

#include "gfx/geometry.h"

namespace orvanta::controls {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct ToolButtonPlacement {
  gfx::Rect Glyph;    // empty without a glyph
  gfx::Rect Caption;  // empty without a caption
};

// Places a glyph and a caption of the given sizes inside `inner` (the button's client
// rectangle less 2 pixels on every side): 4 pixels apart, the pair centred as a group. With
// only one of them it is centred alone.
ToolButtonPlacement PlaceGlyphAndCaption(const gfx::Rect& inner, gfx::Size glyph, gfx::Size caption,
                                         TButtonLayout layout);

}  // namespace orvanta::controls
