#pragma once

#include <string>
#include <unordered_map>

#include "gfx/glyph_source.h"
#include "platform/win32/handles.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {

// One GDI font at one pixel size, with glyphs taken as grey-level outlines. Glyphs the font
// lacks come from the fallback font (a CJK face) when that one has them; glyphs GDI cannot
// outline (raster fonts) are rendered with TextOutW into a DIB instead.
class GdiFontFace final : public gfx::FontFace {
 public:
  // fallbackName empty: no fallback font.
  GdiFontFace(const gfx::FaceKey& key, const std::wstring& fallbackName);

  const gfx::TextMetrics& Metrics() const override { return m_metrics; }
  int UnderlinePosition() const override { return m_underlinePosition; }
  int UnderlineThickness() const override { return m_underlineThickness; }
  const gfx::GlyphBitmap& Glyph(char32_t codePoint) override;

  // The face GDI actually chose for the requested name (substitutes included), UTF-8.
  std::string ResolvedName() const;

 private:
  gfx::GlyphBitmap Render(char32_t codePoint);
  gfx::GlyphBitmap RenderOutline(wchar_t character, bool& outlined);
  gfx::GlyphBitmap RenderWithTextOut(wchar_t character);
  bool FontHasGlyph(HFONT font, wchar_t character);
  void ReadMetrics();

  // Fonts are declared before the DC so the DC is deleted first, while they are selected.
  UniqueFont m_font;
  UniqueFont m_fallback;
  UniqueDc m_dc;
  gfx::TextMetrics m_metrics;
  int m_underlinePosition = 1;
  int m_underlineThickness = 1;
  std::unordered_map<char32_t, gfx::GlyphBitmap> m_glyphs;
};

}  // namespace orvanta::platform
