#include "platform/posix/freetype_glyph_source.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "platform/posix/box_font_face.h"
#include "platform/posix/fontconfig_matcher.h"

namespace orvanta::platform {

std::size_t FaceKeyHash::operator()(const gfx::FaceKey& key) const noexcept {
  std::size_t hash = std::hash<std::string>{}(key.Name);
  const auto style = static_cast<std::size_t>(key.Height) << 2 |
                     static_cast<std::size_t>(key.Bold) << 1 | static_cast<std::size_t>(key.Italic);
  return hash ^ (style + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2));
}

FreeTypeGlyphSource::FreeTypeGlyphSource()
    : FreeTypeGlyphSource(std::make_unique<FontconfigMatcher>()) {}

FreeTypeGlyphSource::FreeTypeGlyphSource(std::unique_ptr<FontMatcher> matcher)
    : m_matcher(std::move(matcher)), m_library(StartFreeType()) {}

FreeTypeGlyphSource::~FreeTypeGlyphSource() = default;

std::shared_ptr<gfx::FontFace> FreeTypeGlyphSource::Face(const gfx::FaceKey& key) {
  if (auto found = m_faces.find(key); found != m_faces.end()) {
    return found->second;
  }
  auto face = OpenFace(key);
  m_faces.emplace(key, face);
  return face;
}

std::shared_ptr<gfx::FontFace> FreeTypeGlyphSource::OpenFace(const gfx::FaceKey& key) {
  const int emHeight = std::clamp(key.Height, kMinEmHeight, kMaxEmHeight);
  if (!m_library || !m_matcher) {
    return std::make_shared<BoxFontFace>(emHeight);
  }
  const FontWeight weight = key.Bold ? FontWeight::Bold : FontWeight::Regular;
  const FontSlant slant = key.Italic ? FontSlant::Italic : FontSlant::Upright;
  std::optional<SizedFace> face;
  if (auto file = m_matcher->Match(key.Name, weight, slant)) {
    face = OpenStyledFace(m_library.get(), *file, emHeight, weight, slant);
  }
  if (!face) {
    face = OpenAnyFace(emHeight, weight, slant);
  }
  if (!face) {
    return std::make_shared<BoxFontFace>(emHeight);
  }
  return std::make_shared<FreeTypeFace>(m_library, std::move(*face), emHeight, weight, slant,
                                        CjkFallback());
}

std::optional<SizedFace> FreeTypeGlyphSource::OpenAnyFace(int emHeight, FontWeight weight,
                                                          FontSlant slant) {
  if (!m_anyFonts) {
    m_anyFonts = m_matcher->AnyFonts();
  }
  for (const FontFile& file : *m_anyFonts) {
    if (auto face = OpenStyledFace(m_library.get(), file, emHeight, weight, slant)) {
      return face;
    }
  }
  return std::nullopt;
}

const std::optional<FontFile>& FreeTypeGlyphSource::CjkFallback() {
  if (!m_cjkResolved) {
    m_cjk = m_matcher->CjkFallback();
    m_cjkResolved = true;
  }
  return m_cjk;
}

}  // namespace orvanta::platform
