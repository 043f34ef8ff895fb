#pragma once

#include <array>
#include <optional>
#include <unordered_map>

#include "gfx/glyph_source.h"
#include "platform/posix/font_matcher.h"
#include "platform/posix/freetype_handles.h"
#include "platform/posix/freetype_metrics.h"

namespace orvanta::platform {

// A FreeType face at one pixel size, with the styles it has to fake because its file lacks them.
struct SizedFace {
  FreeTypeFacePtr Face;
  FontFile File;
  int OverstrikePixels = 0;  // synthetic bold: each glyph is smeared this far to the right
  bool Oblique = false;      // synthetic italic: outlines are slanted
};

// Opens a face of a file at an em height in pixels for the wanted weight and slant; nullopt
// when the file does not load.
std::optional<SizedFace> OpenStyledFace(FT_LibraryRec_* library, const FontFile& file, int emHeight,
                                        FontWeight weight, FontSlant slant);

// One font at one size: metrics from its tables, glyphs rendered once and kept. Characters the
// face lacks come from the Chinese fallback face at the same em height, opened on first need;
// characters neither has get the face's missing-glyph shape.
class FreeTypeFace final : public gfx::FontFace {
 public:
  FreeTypeFace(FreeTypeLibrary library, SizedFace primary, int emHeight, FontWeight weight,
               FontSlant slant, std::optional<FontFile> cjkFallback);
  ~FreeTypeFace() override;
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

  const gfx::TextMetrics& Metrics() const override { return m_metrics.Text; }
  int UnderlinePosition() const override { return m_metrics.UnderlinePosition; }
  int UnderlineThickness() const override { return m_metrics.UnderlineThickness; }
  const gfx::GlyphBitmap& Glyph(char32_t codePoint) override;

  // The file the face's own glyphs come from.
  const FontFile& File() const { return m_primary.File; }
  // Whether a code point's glyph comes from the fallback face (opening it if need be).
  bool UsesFallback(char32_t codePoint);

 private:
  gfx::GlyphBitmap RenderCodePoint(char32_t codePoint);
  const gfx::GlyphBitmap& MissingGlyph();
  SizedFace* Fallback();

  // The library outlives the faces below, which FreeType requires.
  FreeTypeLibrary m_library;
  SizedFace m_primary;
  int m_emHeight;
  FontWeight m_weight;
  FontSlant m_slant;
  FaceMetrics m_metrics;
  std::optional<FontFile> m_fallbackFile;  // reset once opening it has failed
  std::optional<SizedFace> m_fallback;
  std::optional<gfx::GlyphBitmap> m_missing;
  // Glyph references handed out stay valid: unordered_map never moves its elements.
  std::unordered_map<char32_t, gfx::GlyphBitmap> m_glyphs;
  // Latin-1 glyphs by code point, for the text that fills most rows.
  std::array<const gfx::GlyphBitmap*, 256> m_latin{};
};

}  // namespace orvanta::platform
