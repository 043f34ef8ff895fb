#pragma once

#include "gfx/color.h"

namespace orvanta::controls {

// The colours the gradient look derives from the system colours (the system colour style;
// the office style uses the same set because the program runs without platform themes).
// Every colour is returned as RGB.

struct RampColors {
  gfx::Color Start;  // top row
  gfx::Color Stop;   // bottom row
  friend bool operator==(const RampColors&, const RampColors&) = default;
};

struct StatusColors {
  gfx::Color First;
  gfx::Color Second;
  gfx::Color Third;
  friend bool operator==(const StatusColors&, const StatusColors&) = default;
};

struct SelectionColors {
  gfx::Color Frame;
  gfx::Color Start;
  gfx::Color Stop;
  friend bool operator==(const SelectionColors&, const SelectionColors&) = default;
};

// Window colour at the top down to the button face shaded by 10.
RampColors PanelRampColors(const gfx::SystemPalette& palette);

// The button shadow tinted by 30: the frame colour of gradient-style flat frames.
gfx::Color GradientFrameColor(const gfx::SystemPalette& palette);

// Button face shaded by 20, the window colour, button face shaded by 40.
StatusColors StatusColorSet(const gfx::SystemPalette& palette);

// Framed in the highlight colour; Stop blends 77/255 of the highlight into the window colour
// and Start is Stop tinted by 20 (Stop itself on a display of 256 colours or fewer).
SelectionColors SelectionColorSet(const gfx::SystemPalette& palette);

}  // namespace orvanta::controls
