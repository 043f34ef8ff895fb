#pragma once

#include "gfx/canvas.h"

namespace orvanta::chart {

// A pen as the chart's elements hold it: a canvas pen plus a Visible switch. Pens wider than
// one pixel are geometric with round end caps on the canvas.
struct TChartPen {
  gfx::Color Color = gfx::clBlack;
  int Width = 1;
  gfx::PenStyle Style = gfx::PenStyle::Solid;
  bool Visible = true;

  gfx::Pen ToPen() const { return {Color, Width, Visible ? Style : gfx::PenStyle::Clear}; }
};

inline constexpr gfx::Color kDarkGray = 0x808080;

}  // namespace orvanta::chart
