#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/font.h"

namespace orvanta::gfx {

// What selects a face: underline and colour are drawn by the canvas, not by the source.
struct FaceKey {
  std::string Name;
  int Height = 0;  // em height in pixels
  bool Bold = false;
  bool Italic = false;
  friend bool operator==(const FaceKey&, const FaceKey&) = default;
};

// One glyph as a grey-level coverage bitmap (0 = no ink, 255 = full ink), placed relative to
// the pen position on the baseline: its top-left pixel is at (pen.X + Left, baseline - Top).
// Ink may reach a row beyond the cell's descent; control characters such as tab come back as
// the face's missing-glyph shape, so tabs are expanded before glyphs are asked for.
struct GlyphBitmap {
  int Advance = 0;  // whole pixels to the next pen position
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Coverage;  // Width * Height, row by row
};

class FontFace {
 public:
  virtual ~FontFace() = default;
  virtual const TextMetrics& Metrics() const = 0;
  // Underline position below the baseline and its thickness, in pixels. The baseline row is the
  // first row below the ink of letters that sit on it (cell top + Ascent); the underline's top
  // row is UnderlinePosition rows below it, so 0 puts the underline right under the letters.
  virtual int UnderlinePosition() const = 0;
  virtual int UnderlineThickness() const = 0;
  // The glyph of a code point, from this face or, where it lacks one, from the fallback face
  // for CJK text. The reference stays valid as long as the face lives.
  virtual const GlyphBitmap& Glyph(char32_t codePoint) = 0;
};

// The platform's font engine: FreeType with fontconfig on Linux, GDI glyph outlines on
// Windows. Faces are cached by key, so asking twice is cheap.
class GlyphSource {
 public:
  virtual ~GlyphSource() = default;
  virtual std::shared_ptr<FontFace> Face(const FaceKey& key) = 0;
};

}  // namespace orvanta::gfx
