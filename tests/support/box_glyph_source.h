#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "gfx/glyph_source.h"

namespace orvanta::test {

// A font engine with exactly known glyphs, so canvas and control tests do not depend on the
// fonts of the machine. For em height h: Descent = h / 4, Ascent = h - Descent, average width
// h / 2. Every visible glyph is a solid box one pixel narrower than its advance, from row 2 of
// the cell down to the baseline ("g", "p", "y" reach one row short of the cell's bottom).
// Advances: space and most characters h / 2, "i l . , : ; ! ' |" h / 4, "M W" and CJK h,
// control characters 0 (no ink). U+2591 is a half-covered box (coverage 128). Bold adds one
// pixel to every advance and box. The underline lies 1 row below the baseline, h / 16 rows
// thick (at least 1).
class BoxGlyphSource final : public gfx::GlyphSource {
 public:
  std::shared_ptr<gfx::FontFace> Face(const gfx::FaceKey& key) override;
  int FacesCreated() const { return m_created; }

 private:
  std::map<std::tuple<std::string, int, bool, bool>, std::shared_ptr<gfx::FontFace>> m_faces;
  int m_created = 0;
};

class BoxFontFace final : public gfx::FontFace {
 public:
  BoxFontFace(int height, bool bold);
  const gfx::TextMetrics& Metrics() const override { return m_metrics; }
  int UnderlinePosition() const override { return 1; }
  int UnderlineThickness() const override { return std::max(1, m_metrics.Height / 16); }
  const gfx::GlyphBitmap& Glyph(char32_t codePoint) override;

  static int AdvanceOf(char32_t c, int height, bool bold);

 private:
  gfx::TextMetrics m_metrics;
  bool m_bold;
  std::unordered_map<char32_t, gfx::GlyphBitmap> m_glyphs;
};

}  // namespace orvanta::test
