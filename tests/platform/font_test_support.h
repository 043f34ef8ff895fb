#pragma once

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <string_view>

#include "gfx/glyph_source.h"
#include "platform/posix/fontconfig_matcher.h"

namespace orvanta::platform::testing {

// The summed coverage of a glyph: zero when it draws nothing.
inline long InkOf(const gfx::GlyphBitmap& glyph) {
  return std::accumulate(glyph.Coverage.begin(), glyph.Coverage.end(), 0L);
}

inline int AdvanceOf(gfx::FontFace& face, std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) {
    width += face.Glyph(c).Advance;
  }
  return width;
}

// Whether fontconfig finds the family itself rather than a stand-in.
inline bool FamilyInstalled(std::string_view family) {
  FontconfigMatcher matcher;
  auto file = matcher.Match(family, FontWeight::Regular, FontSlant::Upright);
  return file && file->Family == family;
}

inline bool AnyFontInstalled() {
  FontconfigMatcher matcher;
  return !matcher.AnyFonts().empty();
}

inline bool CjkFallbackInstalled() {
  FontconfigMatcher matcher;
  auto file = matcher.CjkFallback();
  return file && file->Family == kCjkFallbackFamily;
}

}  // namespace orvanta::platform::testing

#define ORVANTA_REQUIRE_FAMILY(family)                                   \
  do {                                                                   \
    if (!::orvanta::platform::testing::FamilyInstalled(family)) {        \
      GTEST_SKIP() << "font family " << (family) << " is not installed"; \
    }                                                                    \
  } while (false)

#define ORVANTA_REQUIRE_CJK_FALLBACK()                              \
  do {                                                              \
    if (!::orvanta::platform::testing::CjkFallbackInstalled()) {    \
      GTEST_SKIP() << "the Chinese fallback face is not installed"; \
    }                                                               \
  } while (false)

#define ORVANTA_REQUIRE_ANY_FONT()                           \
  do {                                                       \
    if (!::orvanta::platform::testing::AnyFontInstalled()) { \
      GTEST_SKIP() << "no font is installed";                \
    }                                                        \
  } while (false)
