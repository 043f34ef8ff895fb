#include "controls/frame_drawing.h"

#include "controls/color_math.h"
#include "ui/frame3d.h"

namespace orvanta::controls {

using gfx::Color;
using gfx::Rect;

namespace {

enum class FrameKind { None, OneRing, Etched, Bevel, FlatBold, FlatRounded };

struct FrameRecipe {
  FrameKind Kind;
  const BevelColors* Bevel;  // the two-ring table of Bevel frames
};

constexpr std::array<FrameRecipe, fsFlatRounded + 1> kFrameRecipes = {{
    {FrameKind::None, nullptr},              // fsNone
    {FrameKind::OneRing, nullptr},           // fsFlat
    {FrameKind::Etched, nullptr},            // fsGroove
    {FrameKind::Etched, nullptr},            // fsBump
    {FrameKind::Bevel, &kLowered3DColors},   // fsLowered
    {FrameKind::Bevel, &kButtonDownColors},  // fsButtonDown
    {FrameKind::Bevel, &kRaised3DColors},    // fsRaised
    {FrameKind::Bevel, &kButtonUpColors},    // fsButtonUp
    {FrameKind::OneRing, nullptr},           // fsStatus
    {FrameKind::OneRing, nullptr},           // fsPopup
    {FrameKind::FlatBold, nullptr},          // fsFlatBold
    {FrameKind::FlatRounded, nullptr},       // fsFlatRounded
}};

ui::RingSides RingSidesOf(TSides sides) {
  return {sides.Contains(sdLeft), sides.Contains(sdTop), sides.Contains(sdRight),
          sides.Contains(sdBottom)};
}

// Draws single pixels and one-pixel lines clipped to the frame's own rectangle, so that
// frames on rectangles too small for them never touch their neighbours.
class FramePainter {
 public:
  FramePainter(gfx::Canvas& canvas, const Rect& bounds) : m_canvas(canvas), m_bounds(bounds) {}

  void Pixel(int x, int y, Color color) {
    if (HasRgbValue(color) && m_bounds.Contains({x, y})) {
      m_canvas.SetPixel(x, y, color);
    }
  }

  void Fill(const Rect& r, Color color) {
    Rect clipped = r.Intersect(m_bounds);
    if (HasRgbValue(color) && !clipped.IsEmpty()) {
      m_canvas.FillRect(clipped, color);
    }
  }

  // One line on each chosen side.
  Rect Ring(const Rect& r, TSides sides, FrameColors colors) {
    return ui::DrawRing(m_canvas, r, colors.UpperLeft, colors.LowerRight, RingSidesOf(sides),
                        m_bounds);
  }

  // Two one-pixel lines per side, the upper-left colour outside the lower-right one at the
  // top and left and inside it at the bottom and right. The corner pixels first close the
  // open ends of a partial frame.
  void Etched(const Rect& r, TSides sides, FrameColors colors) {
    bool left = sides.Contains(sdLeft);
    bool top = sides.Contains(sdTop);
    bool right = sides.Contains(sdRight);
    bool bottom = sides.Contains(sdBottom);
    Color ul = colors.UpperLeft;
    Color lr = colors.LowerRight;
    if (top && !right) {
      Pixel(r.Right - 1, r.Top, ul);
    }
    if (bottom) {
      Pixel(r.Left, r.Bottom - 1, lr);
    }
    if (left && !bottom) {
      Pixel(r.Left, r.Bottom - 1, ul);
    }
    if (top && !left) {
      Pixel(r.Left, r.Top + 1, lr);
    }
    if (left && !top) {
      Pixel(r.Left + 1, r.Top, lr);
    }
    if (bottom && !right) {
      Pixel(r.Right - 1, r.Bottom - 2, ul);
    }
    if (right && !bottom) {
      Pixel(r.Right - 2, r.Bottom - 1, ul);
    }
    if (right) {
      Pixel(r.Right - 1, r.Top, lr);
    }
    Ring({r.Left + 1, r.Top + 1, r.Right, r.Bottom}, sides, {lr, lr});
    Ring({r.Left, r.Top, r.Right - 1, r.Bottom - 1}, sides, {ul, ul});
  }

  // A one-colour ring whose corners, where two drawn sides meet, sit one pixel inside.
  void Rounded(const Rect& r, TSides sides, Color color) {
    bool left = sides.Contains(sdLeft);
    bool top = sides.Contains(sdTop);
    bool right = sides.Contains(sdRight);
    bool bottom = sides.Contains(sdBottom);
    int lineTop = r.Top + (top ? 1 : 0);
    int lineBottom = r.Bottom - (bottom ? 1 : 0);
    int lineLeft = r.Left + (left ? 1 : 0);
    int lineRight = r.Right - (right ? 1 : 0);
    if (left) {
      Fill({r.Left, lineTop, r.Left + 1, lineBottom}, color);
    }
    if (top) {
      Fill({lineLeft, r.Top, lineRight, r.Top + 1}, color);
    }
    if (right) {
      Fill({r.Right - 1, lineTop, r.Right, lineBottom}, color);
    }
    if (bottom) {
      Fill({lineLeft, r.Bottom - 1, lineRight, r.Bottom}, color);
    }
    if (left && top) {
      Pixel(r.Left + 1, r.Top + 1, color);
    }
    if (top && right) {
      Pixel(r.Right - 2, r.Top + 1, color);
    }
    if (left && bottom) {
      Pixel(r.Left + 1, r.Bottom - 2, color);
    }
    if (right && bottom) {
      Pixel(r.Right - 2, r.Bottom - 2, color);
    }
  }

 private:
  gfx::Canvas& m_canvas;
  Rect m_bounds;
};

Color FlatColorFor(TFrameStyleEx style, Color flatColor) {
  if (flatColor != gfx::AutoColor) {
    return flatColor;
  }
  return IsFrameStyle(style) ? kFrameColors[style].UpperLeft : gfx::clBtnShadow;
}

}  // namespace

Rect ShrinkSides(const Rect& rect, TSides sides, int amount) {
  Rect r = rect;
  if (sides.Contains(sdLeft)) {
    r.Left += amount;
  }
  if (sides.Contains(sdTop)) {
    r.Top += amount;
  }
  if (sides.Contains(sdRight)) {
    r.Right -= amount;
  }
  if (sides.Contains(sdBottom)) {
    r.Bottom -= amount;
  }
  return r;
}

std::array<Rect, 4> CornerlessRing(const Rect& rect, int cornerCut) {
  const Rect& r = rect;
  const int c = cornerCut;
  return {{{r.Left, r.Top + c, r.Left + 1, r.Bottom - c},
           {r.Left + c, r.Top, r.Right - c, r.Top + 1},
           {r.Right - 1, r.Top + c, r.Right, r.Bottom - c},
           {r.Left + c, r.Bottom - 1, r.Right - c, r.Bottom}}};
}

Rect DrawFrameSides(gfx::Canvas& canvas, const Rect& rect, TFrameStyleEx style, TSides sides,
                    Color flatColor) {
  if (style > fsFlatRounded) {
    return rect;
  }
  FramePainter painter(canvas, rect);
  const FrameRecipe& recipe = kFrameRecipes[style];
  switch (recipe.Kind) {
    case FrameKind::None:
      break;
    case FrameKind::OneRing: {
      FrameColors colors = kFrameColors[style];
      if (style == fsFlat) {
        Color flat = FlatColorFor(style, flatColor);
        colors = {flat, flat};
      }
      painter.Ring(rect, sides, colors);
      break;
    }
    case FrameKind::Etched:
      painter.Etched(rect, sides, kFrameColors[style]);
      break;
    case FrameKind::Bevel:
      painter.Ring(painter.Ring(rect, sides, recipe.Bevel->Outer), sides, recipe.Bevel->Inner);
      break;
    case FrameKind::FlatBold: {
      Color flat = FlatColorFor(style, flatColor);
      painter.Ring(painter.Ring(rect, sides, {flat, flat}), sides, {flat, flat});
      break;
    }
    case FrameKind::FlatRounded:
      painter.Rounded(rect, sides, FlatColorFor(style, flatColor));
      break;
  }
  return ShrinkSides(rect, sides, kFrameWidths[style]);
}

}  // namespace orvanta::controls
