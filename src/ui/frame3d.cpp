#include "ui/frame3d.h"

namespace orvanta::ui {

void Frame3D(gfx::Canvas& canvas, gfx::Rect& rect, gfx::Color topLeft, gfx::Color bottomRight,
             int width) {
  for (int i = 0; i < width && !rect.IsEmpty(); ++i) {
    const gfx::Rect& r = rect;
    canvas.FillRect({r.Left, r.Top, r.Right - 1, r.Top + 1}, topLeft);
    canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom - 1}, topLeft);
    canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    rect = rect.Inflate(-1, -1);
  }
}

void DrawEdge(gfx::Canvas& canvas, gfx::Rect& rect, EdgeStyle style) {
  switch (style) {
    case EdgeStyle::Raised:
      Frame3D(canvas, rect, gfx::cl3DLight, gfx::cl3DDkShadow);
      Frame3D(canvas, rect, gfx::clBtnHighlight, gfx::clBtnShadow);
      break;
    case EdgeStyle::Sunken:
      Frame3D(canvas, rect, gfx::clBtnShadow, gfx::clBtnHighlight);
      Frame3D(canvas, rect, gfx::cl3DDkShadow, gfx::cl3DLight);
      break;
    case EdgeStyle::Button:
      Frame3D(canvas, rect, gfx::clBtnHighlight, gfx::cl3DDkShadow);
      Frame3D(canvas, rect, gfx::cl3DLight, gfx::clBtnShadow);
      break;
    case EdgeStyle::ButtonPressed:
      Frame3D(canvas, rect, gfx::cl3DDkShadow, gfx::cl3DDkShadow);
      Frame3D(canvas, rect, gfx::clBtnShadow, gfx::clBtnShadow);
      break;
  }
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
