#pragma once

#include "controls/color_sets.h"
#include "controls/frame_style.h"
#include "controls/visual_style.h"
#include "gfx/canvas.h"

namespace orvanta::controls {

// What a bordered panel's frame and background drawing needs of its properties, with the
// panel's defaults.
struct PanelStyle {
  TFrameStyleEx BorderOuter = fsRaised;
  TFrameStyleEx BorderInner = fsNone;
  TSides BorderSides = TSides::All();
  int BorderWidth = 0;  // rings in BorderColor between the outer and the inner frame
  gfx::Color BorderColor = gfx::clBtnFace;
  gfx::Color FlatColor = gfx::clBtnShadow;
  int FlatColorAdjustment = 30;
  TUiVisualStyle VisualStyle = vsWinXP;
  TUiGradientColorStyle GradientColorStyle = gcsSystem;
  TGradientDirection GradientDirection = gdHorizontalEnd;
  gfx::Color GradientColorStart = gfx::clWhite;  // used with gcsCustom only
  gfx::Color GradientColorStop = gfx::clBtnFace;
  gfx::Color Color = gfx::clBtnFace;
  bool Transparent = false;
};

// The one colour of fsFlat, fsFlatBold and fsFlatRounded frames: a gradient panel with
// system colours takes the gradient frame colour as it is, any other panel its FlatColor
// adjusted by FlatColorAdjustment. May be a system colour.
gfx::Color PanelFlatColor(const PanelStyle& style, const gfx::SystemPalette& palette);

// Top and bottom colours of a gradient panel's background.
RampColors PanelGradientColors(const PanelStyle& style, const gfx::SystemPalette& palette);

// The rectangle inside the outer frame, the border rings and the inner frame.
gfx::Rect PanelInnerRect(const gfx::Rect& rect, const PanelStyle& style);

// Draws the outer frame, the border rings and the inner frame on the border sides of `rect`,
// then, unless the panel is transparent, its background inside them: a plain fill with Color
// for the classic and XP styles, a vertical ramp for the gradient style (every gradient
// direction is drawn as the top-to-bottom ramp). Returns PanelInnerRect.
gfx::Rect DrawPanelFrameAndBackground(gfx::Canvas& canvas, const gfx::Rect& rect,
                                      const PanelStyle& style);

}  // namespace orvanta::controls
