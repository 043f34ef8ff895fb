#pragma once

#include "gfx/font.h"

struct FT_FaceRec_;

namespace orvanta::platform {

// What a face reports besides its glyphs, in pixels.
struct FaceMetrics {
  gfx::TextMetrics Text;
  int UnderlinePosition = 1;  // rows between the baseline and the underline's top row
  int UnderlineThickness = 1;
};

// Font units to whole pixels at an em height, rounded half away from zero.
int ScaleFontUnits(long units, int emHeight, int unitsPerEm);

// Metrics with the meaning of the Windows text metrics, from the face set to emHeight.
// overstrikePixels widens every glyph of a synthetically emboldened face.
FaceMetrics MeasureFace(FT_FaceRec_& face, int emHeight, int overstrikePixels);

}  // namespace orvanta::platform
