#pragma once

#include <string>

#include "gfx/color.h"

namespace orvanta::gfx {

// A logical font as the controls describe it. Height is the em height in pixels, as a
// Windows font created with height -Height; Escapement is in tenths of a degree (0 or 900).
struct Font {
  std::string Name = "Arial";
  int Height = 11;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  Color TextColor = clWindowText;
  int Escapement = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

// Metrics of a font in pixels, with the meaning of the Windows TEXTMETRIC fields.
struct TextMetrics {
  int Height = 0;  // Ascent + Descent: the height of a line cell
  int Ascent = 0;
  int Descent = 0;
  int InternalLeading = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int MaxCharWidth = 0;
};

}  // namespace orvanta::gfx
