#include "support/box_glyph_source.h"

#include <algorithm>
#include <string_view>

namespace orvanta::test {

namespace {

constexpr std::u32string_view kNarrow = U"il.,:;!'|";
constexpr std::u32string_view kWide = U"MW";
constexpr std::u32string_view kDescending = U"gpy";
constexpr char32_t kHalfShade = 0x2591;

bool IsWideCjk(char32_t c) {
  return c >= 0x2E80 && c <= 0xFFEF && c != kHalfShade;
}

}  // namespace

std::shared_ptr<gfx::FontFace> BoxGlyphSource::Face(const gfx::FaceKey& key) {
  auto& face = m_faces[{key.Name, key.Height, key.Bold, key.Italic}];
  if (!face) {
    face = std::make_shared<BoxFontFace>(key.Height, key.Bold);
    ++m_created;
  }
  return face;
}

BoxFontFace::BoxFontFace(int height, bool bold) : m_bold(bold) {
  const int h = std::max(height, 4);
  m_metrics.Height = h;
  m_metrics.Descent = h / 4;
  m_metrics.Ascent = h - m_metrics.Descent;
  m_metrics.AveCharWidth = h / 2 + (bold ? 1 : 0);
  m_metrics.MaxCharWidth = h + (bold ? 1 : 0);
}

int BoxFontFace::AdvanceOf(char32_t c, int height, bool bold) {
  const int h = std::max(height, 4);
  if (c < 0x20) {
    return 0;
  }
  int advance = h / 2;
  if (kNarrow.find(c) != std::u32string_view::npos) {
    advance = h / 4;
  } else if (kWide.find(c) != std::u32string_view::npos || IsWideCjk(c)) {
    advance = h;
  }
  return advance + (bold ? 1 : 0);
}

const gfx::GlyphBitmap& BoxFontFace::Glyph(char32_t c) {
  auto [it, inserted] = m_glyphs.try_emplace(c);
  gfx::GlyphBitmap& glyph = it->second;
  if (!inserted) {
    return glyph;
  }
  glyph.Advance = AdvanceOf(c, m_metrics.Height, m_bold);
  if (c < 0x20 || c == U' ' || glyph.Advance < 2) {
    return glyph;
  }
  glyph.Left = 0;
  glyph.Top = m_metrics.Ascent - 2;
  glyph.Width = glyph.Advance - 1;
  glyph.Height = glyph.Top;
  if (kDescending.find(c) != std::u32string_view::npos) {
    glyph.Height += m_metrics.Descent - 1;
  }
  const std::uint8_t coverage = c == kHalfShade ? 128 : 255;
  glyph.Coverage.assign(static_cast<std::size_t>(glyph.Width) * glyph.Height, coverage);
  return glyph;
}

}  // namespace orvanta::test
