#pragma once

#include "gfx/canvas.h"

namespace orvanta::ui {

// One-pixel rings of the classic 3D look. The top-left colour takes the top row and the left
// column except their far ends; the bottom-right colour takes the bottom row and the right
// column whole. Each ring shrinks rect by one pixel on every side.
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
