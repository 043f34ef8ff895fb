#pragma once

#include "gfx/glyph_source.h"

namespace orvanta::platform {

// An empty box sitting on the baseline, sized for a face's metrics: what a character looks like
// when no font has a glyph for it.
gfx::GlyphBitmap BoxGlyph(const gfx::TextMetrics& metrics);

// A face that draws every character but the spaces as an empty box, with the proportions of a
// common sans-serif face, so that text still lays out and shows when no font can be loaded.
class BoxFontFace final : public gfx::FontFace {
 public:
  explicit BoxFontFace(int emHeight);

  const gfx::TextMetrics& Metrics() const override { return m_metrics; }
  int UnderlinePosition() const override { return m_underlinePosition; }
  int UnderlineThickness() const override { return 1; }
  const gfx::GlyphBitmap& Glyph(char32_t codePoint) override;

 private:
  gfx::TextMetrics m_metrics;
  int m_underlinePosition = 1;
  gfx::GlyphBitmap m_box;
  gfx::GlyphBitmap m_space;
  gfx::GlyphBitmap m_wideSpace;
};

}  // namespace orvanta::platform
