#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/gdi_font_face.h"
#include "platform/win32/gdi_glyph_source.h"

namespace orvanta::platform {
namespace {

std::u32string Decode(const std::string& utf8) {
  std::u32string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    text.push_back(cp);
    i += length;
  }
  return text;
}

int Width(gfx::FontFace& face, const std::string& utf8) {
  int width = 0;
  for (char32_t cp : Decode(utf8)) {
    width += face.Glyph(cp).Advance;
  }
  return width;
}

bool HasInk(const gfx::GlyphBitmap& glyph) {
  return std::any_of(glyph.Coverage.begin(), glyph.Coverage.end(), [](auto c) { return c > 128; });
}

TEST(GdiGlyphSource, FindsAnInstalledCjkFallback) {
  GdiGlyphSource source;
  const std::string fallback = source.FallbackFaceName();
  EXPECT_FALSE(fallback.empty());
  std::cout << "CJK fallback face: " << fallback << "\n";
}

TEST(GdiGlyphSource, MetricsFollowThePixelHeight) {
  GdiGlyphSource source;
  for (int height : {11, 13, 24}) {
    auto face = source.Face({"Arial", height, false, false});
    const gfx::TextMetrics& m = face->Metrics();
    EXPECT_EQ(m.Ascent + m.Descent, m.Height);
    // An em of n pixels sits in a line cell a little taller than n.
    EXPECT_GE(m.Height, height) << height;
    EXPECT_LE(m.Height, height * 3 / 2 + 1) << height;
    EXPECT_GT(m.AveCharWidth, 0);
    EXPECT_GE(face->UnderlinePosition(), 0);
    EXPECT_GE(face->UnderlineThickness(), 1);
  }
}

TEST(GdiGlyphSource, MeasuresTheProgramsCaptions) {
  GdiGlyphSource source;
  const struct {
    const char* text;
    int height;
    int cjkCount;
    int minWidth;
    int maxWidth;
  } cases[] = {
      {"刷新(&R)", 11, 2, 30, 60},
      {"Windows已运行时间:", 11, 5, 80, 121},
      {"开机/关机日志", 13, 6, 70, 145},
  };
  for (const auto& c : cases) {
    auto face = source.Face({"Arial", c.height, false, false});
    const int width = Width(*face, c.text);
    std::cout << c.text << " at " << c.height << " px: " << width << " px wide\n";
    EXPECT_GE(width, c.minWidth) << c.text;
    EXPECT_LE(width, c.maxWidth) << c.text;
    for (char32_t cp : Decode(c.text)) {
      if (cp < 0x80) {
        continue;
      }
      const gfx::GlyphBitmap& glyph = face->Glyph(cp);
      EXPECT_TRUE(HasInk(glyph)) << c.text;
      // A Chinese glyph is about one em square and stands on the baseline.
      EXPECT_GE(glyph.Advance, c.height - 2) << c.text;
      EXPECT_LE(glyph.Advance, c.height + 3) << c.text;
      EXPECT_LE(glyph.Width, glyph.Advance + 1) << c.text;
      EXPECT_LE(glyph.Top, face->Metrics().Ascent + 1) << c.text;
      EXPECT_EQ(glyph.Coverage.size(), static_cast<std::size_t>(glyph.Width * glyph.Height));
    }
  }
}

TEST(GdiGlyphSource, EveryFaceDrawsLatinTextWithInk) {
  GdiGlyphSource source;
  // Names the system may lack still yield a substitute; raster fonts go through TextOutW.
  for (const char* name : {"Arial", "MS Sans Serif", "Verdana", "Courier", "No Such Font"}) {
    auto face = source.Face({name, 13, false, false});
    const gfx::GlyphBitmap& glyph = face->Glyph(U'A');
    EXPECT_TRUE(HasInk(glyph)) << name;
    EXPECT_GT(glyph.Advance, 3) << name;
    const gfx::GlyphBitmap& space = face->Glyph(U' ');
    EXPECT_GT(space.Advance, 0) << name;
    EXPECT_FALSE(HasInk(space)) << name;
    std::cout << name << " resolves to "
              << std::static_pointer_cast<GdiFontFace>(face)->ResolvedName() << "\n";
  }
}

// Raster fonts have no outlines; their glyphs come from TextOutW into a bitmap.
TEST(GdiGlyphSource, RasterFontsStillDrawInk) {
  const char* rasterFont = "Z:\\usr\\share\\wine\\fonts\\sserife.fon";
  if (!AddPrivateFontFile(rasterFont)) {
    GTEST_SKIP() << "no raster font at " << rasterFont;
  }
  GdiGlyphSource source;
  auto face = source.Face({"MS Sans Serif", 13, false, false});
  const gfx::GlyphBitmap& glyph = face->Glyph(U'A');
  EXPECT_TRUE(HasInk(glyph));
  EXPECT_GT(glyph.Advance, 3);
  EXPECT_EQ(glyph.Coverage.size(), static_cast<std::size_t>(glyph.Width * glyph.Height));
  EXPECT_FALSE(HasInk(face->Glyph(U' ')));
  std::cout << "raster face " << std::static_pointer_cast<GdiFontFace>(face)->ResolvedName()
            << ": 'A' is " << glyph.Width << "x" << glyph.Height << "\n";
}

TEST(GdiGlyphSource, BoldIsAtLeastAsWideAsRegular) {
  GdiGlyphSource source;
  auto regular = source.Face({"Arial", 11, false, false});
  auto bold = source.Face({"Arial", 11, true, false});
  EXPECT_GE(Width(*bold, "Windows"), Width(*regular, "Windows"));
}

TEST(GdiGlyphSource, FacesAreCachedAndGlyphReferencesStayValid) {
  GdiGlyphSource source;
  auto face = source.Face({"Arial", 11, false, false});
  EXPECT_EQ(face, source.Face({"Arial", 11, false, false}));
  EXPECT_NE(face, source.Face({"Arial", 12, false, false}));
  const gfx::GlyphBitmap& a = face->Glyph(U'A');
  const std::vector<std::uint8_t> coverage = a.Coverage;
  for (char32_t cp = 0x4E00; cp < 0x4F00; ++cp) {
    face->Glyph(cp);
  }
  EXPECT_EQ(a.Coverage, coverage);
  EXPECT_EQ(&a, &face->Glyph(U'A'));
}

TEST(GdiGlyphSource, UnservableCodePointsGiveEmptyGlyphs) {
  GdiGlyphSource source;
  auto face = source.Face({"Arial", 11, false, false});
  for (char32_t cp : {char32_t{0xD800}, char32_t{0x1F600}, char32_t{0x110000}}) {
    const gfx::GlyphBitmap& glyph = face->Glyph(cp);
    EXPECT_EQ(glyph.Width * glyph.Height, 0);
    EXPECT_TRUE(glyph.Coverage.empty());
  }
  for (int height : {0, -5, 100000}) {
    auto odd = source.Face({"Arial", height, false, false});
    odd->Glyph(U'A');  // clamped to a sane size, never a crash
  }
}

}  // namespace
}  // namespace orvanta::platform
