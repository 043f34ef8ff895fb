#include "platform/posix/box_font_face.h"

#include <algorithm>

#include "platform/posix/freetype_metrics.h"

namespace orvanta::platform {
namespace {

// Proportions of a common sans-serif face, in units of a 2048-unit em.
constexpr int kUnitsPerEm = 2048;
constexpr int kAscentUnits = 1854;
constexpr int kDescentUnits = 434;
constexpr int kAverageWidthUnits = 1208;
constexpr int kMaxWidthUnits = 2240;
constexpr int kSpaceUnits = 569;

constexpr std::uint8_t kInk = 255;

}  // namespace

gfx::GlyphBitmap BoxGlyph(const gfx::TextMetrics& metrics) {
  gfx::GlyphBitmap glyph;
  glyph.Height = std::max(3, metrics.Ascent - metrics.Ascent / 4);
  glyph.Width = std::max(2, glyph.Height * 5 / 8);
  glyph.Left = 1;
  glyph.Top = glyph.Height;
  glyph.Advance = glyph.Width + 2;
  glyph.Coverage.assign(static_cast<std::size_t>(glyph.Width) * glyph.Height, 0);
  for (int y = 0; y < glyph.Height; ++y) {
    for (int x = 0; x < glyph.Width; ++x) {
      if (y == 0 || y == glyph.Height - 1 || x == 0 || x == glyph.Width - 1) {
        glyph.Coverage[static_cast<std::size_t>(y) * glyph.Width + x] = kInk;
      }
    }
  }
  return glyph;
}

BoxFontFace::BoxFontFace(int emHeight) {
  emHeight = std::max(1, emHeight);
  auto scale = [&](int units) { return ScaleFontUnits(units, emHeight, kUnitsPerEm); };
  m_metrics.Ascent = std::max(1, scale(kAscentUnits));
  m_metrics.Descent = scale(kDescentUnits);
  m_metrics.Height = m_metrics.Ascent + m_metrics.Descent;
  m_metrics.InternalLeading = m_metrics.Height - emHeight;
  m_metrics.AveCharWidth = std::max(1, scale(kAverageWidthUnits));
  m_metrics.MaxCharWidth = std::max(m_metrics.AveCharWidth, scale(kMaxWidthUnits));
  m_underlinePosition = std::clamp(1, 0, std::max(0, m_metrics.Descent - 1));
  m_box = BoxGlyph(m_metrics);
  m_space.Advance = std::max(1, scale(kSpaceUnits));
  m_wideSpace.Advance = emHeight;
}

const gfx::GlyphBitmap& BoxFontFace::Glyph(char32_t codePoint) {
  switch (codePoint) {
    case U' ':
    case U'\u00A0':
      return m_space;
    case U'\u3000':
      return m_wideSpace;
    default:
      return m_box;
  }
}

}  // namespace orvanta::platform
