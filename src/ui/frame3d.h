#pragma once

#include "gfx/canvas.h"

namespace orvanta::ui {

// The sides of a rectangle a ring is drawn on.
struct RingSides {
  bool Left = true;
  bool Top = true;
  bool Right = true;
  bool Bottom = true;
};

// One one-pixel ring of the classic 3D look on the chosen sides of `ring`: the top-left colour
// takes the top row and the left column, the bottom-right colour the right column and the
// bottom row, which own the top-right and bottom-left corners. Nothing is drawn outside
// `bounds` (a frame of several rings passes its outer rectangle, so that the rings of a
// rectangle too small for them stay inside it), and a colour without a value (clNone,
// AutoColor) draws nothing. Returns `ring` shrunk by one pixel on each side drawn.
gfx::Rect DrawRing(gfx::Canvas& canvas, const gfx::Rect& ring, gfx::Color topLeft,
                   gfx::Color bottomRight, RingSides sides, const gfx::Rect& bounds);

// `width` rings on every side, each inside the last, until rect is used up; rect shrinks to
// the inside.
void Frame3D(gfx::Canvas& canvas, gfx::Rect& rect, gfx::Color topLeft, gfx::Color bottomRight,
             int width = 1);

enum class EdgeStyle {
  Raised,  // panels and scroll-bar parts: light and dark-shadow outside, highlight and shadow
           // inside
  Sunken,  // client edges of lists and memos
  Button,  // push and header buttons: highlight and dark shadow outside, light and shadow inside
  ButtonPressed,  // a pushed button: a flat shadow ring inside a dark frame
};

// Draws a two-pixel edge and shrinks rect to the inside.
void DrawEdge(gfx::Canvas& canvas, gfx::Rect& rect, EdgeStyle style);

}  // namespace orvanta::ui

namespace orvanta::ui {

// The border of a list or a memo: none, a flat one-pixel frame, or the sunken client edge.
enum class ControlBorder { None, Flat, Sunken };

int BorderWidth(ControlBorder border);
// Draws the border and shrinks rect to the inside.
void DrawControlBorder(gfx::Canvas& canvas, gfx::Rect& rect, ControlBorder border);

}  // namespace orvanta::ui
