#include "ui/frame3d.h"

#include <cstddef>

namespace orvanta::ui {

namespace {

void FillInside(gfx::Canvas& canvas, const gfx::Rect& r, gfx::Color color,
                const gfx::Rect& bounds) {
  const gfx::Rect clipped = r.Intersect(bounds);
  if (color != gfx::clNone && color != gfx::AutoColor && !clipped.IsEmpty()) {
    canvas.FillRect(clipped, color);
  }
}

}  // namespace

gfx::Rect DrawRing(gfx::Canvas& canvas, const gfx::Rect& ring, gfx::Color topLeft,
                   gfx::Color bottomRight, RingSides sides, const gfx::Rect& bounds) {
  const gfx::Rect& r = ring;
  // The top row and the left column stop short of a corner that the right column or the
  // bottom row take (those have length only while the ring does).
  const int topEnd = r.Right - (sides.Right && r.Top < r.Bottom ? 1 : 0);
  const int leftEnd = r.Bottom - (sides.Bottom && r.Left < r.Right ? 1 : 0);
  if (sides.Top) {
    FillInside(canvas, {r.Left, r.Top, topEnd, r.Top + 1}, topLeft, bounds);
  }
  if (sides.Left) {
    FillInside(canvas, {r.Left, r.Top, r.Left + 1, leftEnd}, topLeft, bounds);
  }
  if (sides.Right) {
    FillInside(canvas, {r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight, bounds);
  }
  if (sides.Bottom) {
    FillInside(canvas, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight, bounds);
  }
  return {r.Left + (sides.Left ? 1 : 0), r.Top + (sides.Top ? 1 : 0),
          r.Right - (sides.Right ? 1 : 0), r.Bottom - (sides.Bottom ? 1 : 0)};
}

void Frame3D(gfx::Canvas& canvas, gfx::Rect& rect, gfx::Color topLeft, gfx::Color bottomRight,
             int width) {
  for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
    rect = DrawRing(canvas, rect, topLeft, bottomRight, RingSides{}, rect);
  }
}

void DrawEdge(gfx::Canvas& canvas, gfx::Rect& rect, EdgeStyle style) {
  struct EdgeColors {
    gfx::Color OuterTopLeft, OuterBottomRight, InnerTopLeft, InnerBottomRight;
  };
  // Indexed by EdgeStyle.
  constexpr EdgeColors kEdges[] = {
      {gfx::cl3DLight, gfx::cl3DDkShadow, gfx::clBtnHighlight, gfx::clBtnShadow},   // Raised
      {gfx::clBtnShadow, gfx::clBtnHighlight, gfx::cl3DDkShadow, gfx::cl3DLight},   // Sunken
      {gfx::clBtnHighlight, gfx::cl3DDkShadow, gfx::cl3DLight, gfx::clBtnShadow},   // Button
      {gfx::cl3DDkShadow, gfx::cl3DDkShadow, gfx::clBtnShadow, gfx::clBtnShadow}};  // pressed
  const EdgeColors& edge = kEdges[static_cast<std::size_t>(style)];
  Frame3D(canvas, rect, edge.OuterTopLeft, edge.OuterBottomRight);
  Frame3D(canvas, rect, edge.InnerTopLeft, edge.InnerBottomRight);
}

}  // namespace orvanta::ui

namespace orvanta::ui {

int BorderWidth(ControlBorder border) {
  switch (border) {
    case ControlBorder::None:
      return 0;
    case ControlBorder::Flat:
      return 1;
    case ControlBorder::Sunken:
      return 2;
  }
  return 0;
}

void DrawControlBorder(gfx::Canvas& canvas, gfx::Rect& rect, ControlBorder border) {
  switch (border) {
    case ControlBorder::None:
      break;
    case ControlBorder::Flat:
      Frame3D(canvas, rect, gfx::clWindowFrame, gfx::clWindowFrame);
      break;
    case ControlBorder::Sunken:
      DrawEdge(canvas, rect, EdgeStyle::Sunken);
      break;
  }
}

}  // namespace orvanta::ui
