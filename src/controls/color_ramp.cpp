#include "controls/color_ramp.h"

#include <algorithm>
#include <cstdint>

#include "controls/color_math.h"
#include "gfx/bitmap.h"

namespace orvanta::controls {

using gfx::Color;
using gfx::Rect;

namespace {

// Width of the column the ramp is built in before it is copied across.
constexpr int kRampColumnWidth = 8;

unsigned RampChannel(unsigned top, unsigned bottom, int height, int row) {
  std::int64_t step = (static_cast<std::int64_t>(top) - static_cast<std::int64_t>(bottom)) * 65536 /
                      height;  // C++ division truncates toward zero
  std::int64_t rowsAboveBottom = static_cast<std::int64_t>(height) - 1 - row;
  std::int64_t accumulator = static_cast<std::int64_t>(bottom) * 65536 + rowsAboveBottom * step;
  return static_cast<unsigned>(std::clamp<std::int64_t>(accumulator >> 16, 0, 255));
}

// Copies the first `filled` pixels of the row across the rest of it, doubling each time.
void ReplicateAcross(gfx::Pixel* row, int filled, int width) {
  while (filled < width) {
    int count = std::min(filled, width - filled);
    std::copy_n(row, count, row + filled);
    filled += count;
  }
}

}  // namespace

Color VerticalRampRowColor(Color top, Color bottom, int height, int row) {
  if (height <= 0) {
    return bottom;
  }
  row = std::clamp(row, 0, height - 1);
  return gfx::RGB(RampChannel(gfx::GetRValue(top), gfx::GetRValue(bottom), height, row),
                  RampChannel(gfx::GetGValue(top), gfx::GetGValue(bottom), height, row),
                  RampChannel(gfx::GetBValue(top), gfx::GetBValue(bottom), height, row));
}

void FillVerticalRamp(gfx::Canvas& canvas, const Rect& rect, Color top, Color bottom) {
  if (rect.IsEmpty() || !HasRgbValue(top) || !HasRgbValue(bottom)) {
    return;
  }
  // Only the visible part is built, so a huge rectangle costs no more than the clip box;
  // row colours still count from the rectangle's own top and height.
  Rect visible = rect.Intersect(canvas.ClipBox());
  if (visible.IsEmpty()) {
    return;
  }
  const gfx::SystemPalette& palette = canvas.Palette();
  Color topRgb = palette.ToRgb(top);
  Color bottomRgb = palette.ToRgb(bottom);
  int height = rect.Height();
  int columnWidth = std::min(kRampColumnWidth, visible.Width());
  gfx::Bitmap ramp(visible.Width(), visible.Height());

  // One fill of the column per run of equal-coloured rows.
  int runStart = 0;
  while (runStart < visible.Height()) {
    Color color =
        VerticalRampRowColor(topRgb, bottomRgb, height, visible.Top - rect.Top + runStart);
    int runEnd = runStart + 1;
    while (runEnd < visible.Height() &&
           VerticalRampRowColor(topRgb, bottomRgb, height, visible.Top - rect.Top + runEnd) ==
               color) {
      ++runEnd;
    }
    gfx::Pixel pixel = gfx::PixelFromRgbColor(color);
    for (int y = runStart; y < runEnd; ++y) {
      std::fill_n(ramp.Row(y), columnWidth, pixel);
    }
    runStart = runEnd;
  }
  for (int y = 0; y < visible.Height(); ++y) {
    ReplicateAcross(ramp.Row(y), columnWidth, visible.Width());
  }
  canvas.DrawBitmap(visible.Left, visible.Top, ramp);
}

}  // namespace orvanta::controls
