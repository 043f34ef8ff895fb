#include "controls/panel_painting.h"

#include <algorithm>

#include "controls/color_math.h"
#include "controls/color_ramp.h"
#include "controls/frame_drawing.h"

namespace orvanta::controls {

using gfx::Color;
using gfx::Rect;

namespace {

bool IsFlatStyle(TFrameStyleEx style) {
  return style == fsFlat || style == fsFlatBold || style == fsFlatRounded;
}

bool UsesSystemGradient(const PanelStyle& style) {
  return style.VisualStyle == vsGradient && style.GradientColorStyle != gcsCustom;
}

int BorderRings(const PanelStyle& style) {
  return std::max(style.BorderWidth, 0);
}

// All BorderWidth rings at once: in one colour they cover exactly the band between `rect` and
// `rect` shrunk by the width on the border sides.
void FillBorderBand(gfx::Canvas& canvas, const Rect& rect, TSides sides, int width, Color color) {
  if (width == 0 || !HasRgbValue(color)) {
    return;
  }
  auto fill = [&](const Rect& band) {
    Rect clipped = band.Intersect(rect);
    if (!clipped.IsEmpty()) {
      canvas.FillRect(clipped, color);
    }
  };
  Rect inner = ShrinkSides(rect, sides, width);
  if (sides.Contains(sdLeft)) {
    fill({rect.Left, rect.Top, inner.Left, rect.Bottom});
  }
  if (sides.Contains(sdTop)) {
    fill({rect.Left, rect.Top, rect.Right, inner.Top});
  }
  if (sides.Contains(sdRight)) {
    fill({inner.Right, rect.Top, rect.Right, rect.Bottom});
  }
  if (sides.Contains(sdBottom)) {
    fill({rect.Left, inner.Bottom, rect.Right, rect.Bottom});
  }
}

Rect DrawPanelFrame(gfx::Canvas& canvas, const Rect& rect, TFrameStyleEx frame,
                    const PanelStyle& style) {
  Color flat = IsFlatStyle(frame) ? PanelFlatColor(style, canvas.Palette()) : gfx::AutoColor;
  return DrawFrameSides(canvas, rect, frame, style.BorderSides, flat);
}

}  // namespace

Color PanelFlatColor(const PanelStyle& style, const gfx::SystemPalette& palette) {
  if (UsesSystemGradient(style)) {
    return GradientFrameColor(palette);  // adjustment 0: the colour itself
  }
  return AdjustFlatColor(style.FlatColor, style.FlatColorAdjustment, palette);
}

RampColors PanelGradientColors(const PanelStyle& style, const gfx::SystemPalette& palette) {
  if (style.GradientColorStyle == gcsCustom) {
    return {style.GradientColorStart, style.GradientColorStop};
  }
  return PanelRampColors(palette);
}

Rect PanelInnerRect(const Rect& rect, const PanelStyle& style) {
  auto width = [](TFrameStyleEx frame) { return frame <= fsFlatRounded ? kFrameWidths[frame] : 0; };
  int inset = width(style.BorderOuter) + BorderRings(style) + width(style.BorderInner);
  return ShrinkSides(rect, style.BorderSides, inset);
}

Rect DrawPanelFrameAndBackground(gfx::Canvas& canvas, const Rect& rect, const PanelStyle& style) {
  Rect inner = DrawPanelFrame(canvas, rect, style.BorderOuter, style);
  int rings = BorderRings(style);
  FillBorderBand(canvas, inner, style.BorderSides, rings, style.BorderColor);
  inner = ShrinkSides(inner, style.BorderSides, rings);
  inner = DrawPanelFrame(canvas, inner, style.BorderInner, style);
  if (style.Transparent || inner.IsEmpty()) {
    return inner;
  }
  if (style.VisualStyle == vsGradient) {
    RampColors colors = PanelGradientColors(style, canvas.Palette());
    FillVerticalRamp(canvas, inner, colors.Start, colors.Stop);
  } else if (HasRgbValue(style.Color)) {
    canvas.FillRect(inner, style.Color);
  }
  return inner;
}

}  // namespace orvanta::controls
