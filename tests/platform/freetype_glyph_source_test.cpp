#include "platform/posix/freetype_glyph_source.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/font_test_support.h"

namespace orvanta::platform {
namespace {

using testing::AdvanceOf;
using testing::InkOf;

// Loading the font configuration is the slow part; the tests share one source.
FreeTypeGlyphSource& Source() {
  static FreeTypeGlyphSource source;
  return source;
}

std::shared_ptr<gfx::FontFace> FaceOf(const char* name, int height, bool bold = false) {
  return Source().Face(gfx::FaceKey{name, height, bold, false});
}

FreeTypeFace& AsFreeType(const std::shared_ptr<gfx::FontFace>& face) {
  auto* freeType = dynamic_cast<FreeTypeFace*>(face.get());
  if (freeType == nullptr) {
    throw std::runtime_error("not a FreeType face");
  }
  return *freeType;
}

TEST(FreeTypeGlyphSource, LiberationSansAtElevenPixelsHasWindowsLikeMetrics) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  const auto face = FaceOf("Arial", 11);
  const gfx::TextMetrics& m = face->Metrics();
  // The line cell Windows gives Arial at 11 pixels, regular and bold: the layouts of tabs,
  // tool buttons and chart labels are built on it.
  EXPECT_EQ(m.Ascent, 11);
  EXPECT_EQ(m.Descent, 3);
  EXPECT_EQ(m.Height, 14);
  EXPECT_EQ(FaceOf("Arial", 11, true)->Metrics().Height, 14);
  EXPECT_GE(m.AveCharWidth, 4);
  EXPECT_LE(m.AveCharWidth, 7);
  EXPECT_GE(face->UnderlineThickness(), 1);
}

TEST(FreeTypeGlyphSource, MetricsHoldTogetherForEveryFaceTheProgramUses) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  ORVANTA_REQUIRE_FAMILY("DejaVu Sans");
  struct Case {
    const char* Name;
    int Height;
    bool Bold;
  };
  constexpr Case kCases[] = {
      {"Arial", 8, false},  {"Arial", 11, false},         {"Arial", 11, true},
      {"Arial", 12, false}, {"Arial", 13, true},          {"Arial", 16, true},
      {"Arial", 19, true},  {"MS Sans Serif", 11, false}, {"Verdana", 11, false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.Name) + " " + std::to_string(c.Height) + (c.Bold ? " bold" : ""));
    const auto face = FaceOf(c.Name, c.Height, c.Bold);
    const gfx::TextMetrics& m = face->Metrics();
    EXPECT_EQ(m.Height, m.Ascent + m.Descent);
    EXPECT_EQ(m.InternalLeading, m.Height - c.Height);
    EXPECT_GE(m.Height, c.Height);
    EXPECT_LE(m.Height, c.Height * 3 / 2);
    EXPECT_GE(m.MaxCharWidth, m.AveCharWidth);
    EXPECT_GE(m.ExternalLeading, 0);
    // The underline stays inside the line cell, below the baseline.
    EXPECT_GE(face->UnderlinePosition(), 0);
    EXPECT_GE(face->UnderlineThickness(), 1);
    EXPECT_LE(face->UnderlinePosition() + face->UnderlineThickness(), m.Descent);
    // A capital sits on the baseline and within the ascent.
    const gfx::GlyphBitmap& h = face->Glyph(U'H');
    EXPECT_GT(InkOf(h), 0);
    EXPECT_GT(h.Advance, 0);
    EXPECT_LE(h.Top, m.Ascent);
    EXPECT_EQ(h.Top, h.Height);
  }
}

TEST(FreeTypeGlyphSource, FamiliesResolveToTheirSubstitutesAndBoldToTheBoldFace) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  ORVANTA_REQUIRE_FAMILY("DejaVu Sans");
  struct Case {
    const char* Name;
    bool Bold;
    std::string_view Family;
  };
  constexpr Case kCases[] = {
      {"Arial", false, "Liberation Sans"},
      {"Arial", true, "Liberation Sans"},
      {"MS Sans Serif", false, "Liberation Sans"},
      {"Verdana", false, "DejaVu Sans"},
  };
  for (const auto& c : kCases) {
    const FontFile& file = AsFreeType(FaceOf(c.Name, 11, c.Bold)).File();
    EXPECT_EQ(file.Family, c.Family) << c.Name;
    EXPECT_EQ(file.Weight, c.Bold ? FontWeight::Bold : FontWeight::Regular) << c.Name;
  }
  EXPECT_GT(InkOf(FaceOf("Arial", 11, true)->Glyph(U'W')), InkOf(FaceOf("Arial", 11)->Glyph(U'W')));
}

TEST(FreeTypeGlyphSource, AskingTwiceGivesTheSameFace) {
  EXPECT_EQ(FaceOf("Arial", 11).get(), FaceOf("Arial", 11).get());
  EXPECT_NE(FaceOf("Arial", 11).get(), FaceOf("Arial", 11, true).get());
  EXPECT_NE(FaceOf("Arial", 11).get(), FaceOf("Arial", 12).get());
}

TEST(FreeTypeGlyphSource, DigitsShareOneAdvance) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  for (int height : {11, 13}) {
    const auto face = FaceOf("Arial", height);
    const int zero = face->Glyph(U'0').Advance;
    EXPECT_GT(zero, 0);
    for (char32_t digit = U'1'; digit <= U'9'; ++digit) {
      EXPECT_EQ(face->Glyph(digit).Advance, zero) << height << " px, digit " << char(digit);
    }
  }
}

TEST(FreeTypeGlyphSource, GlyphCoverageMatchesItsSize) {
  const auto face = FaceOf("Arial", 11);
  for (char32_t c : std::u32string_view(U" AgjW|_刷\u0378")) {
    const gfx::GlyphBitmap& glyph = face->Glyph(c);
    EXPECT_EQ(glyph.Coverage.size(), static_cast<std::size_t>(glyph.Width) * glyph.Height)
        << static_cast<unsigned>(c);
    EXPECT_GE(glyph.Advance, 0);
  }
  const gfx::GlyphBitmap& space = face->Glyph(U' ');
  EXPECT_EQ(InkOf(space), 0);
  EXPECT_GT(space.Advance, 0);
}

TEST(FreeTypeGlyphSource, GlyphReferencesSurviveLaterGlyphs) {
  const auto face = FaceOf("Arial", 11);
  const gfx::GlyphBitmap& a = face->Glyph(U'A');
  const gfx::GlyphBitmap& han = face->Glyph(U'刷');
  const auto aCoverage = a.Coverage;
  for (char32_t c = 0x4E00; c < 0x4E00 + 300; ++c) {
    face->Glyph(c);
  }
  EXPECT_EQ(&face->Glyph(U'A'), &a);
  EXPECT_EQ(&face->Glyph(U'刷'), &han);
  EXPECT_EQ(a.Coverage, aCoverage);
}

TEST(FreeTypeGlyphSource, ChineseGlyphsComeFromTheFallbackAtTheSameSize) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  ORVANTA_REQUIRE_CJK_FALLBACK();
  for (int height : {11, 13}) {
    auto face = FaceOf("Arial", height);
    FreeTypeFace& freeType = AsFreeType(face);
    for (char32_t c : std::u32string_view(U"刷新运行时间小")) {
      SCOPED_TRACE(std::to_string(height) + " px, U+" + std::to_string(static_cast<unsigned>(c)));
      EXPECT_TRUE(freeType.UsesFallback(c));
      const gfx::GlyphBitmap& glyph = face->Glyph(c);
      EXPECT_GT(InkOf(glyph), 0);
      // Ideographs are one em wide and about one em high.
      EXPECT_GE(glyph.Advance, height - 1);
      EXPECT_LE(glyph.Advance, height + 1);
      EXPECT_LE(glyph.Height, height + 1);
      EXPECT_LE(glyph.Top, face->Metrics().Ascent + 1);
    }
    EXPECT_FALSE(freeType.UsesFallback(U'R'));
  }
}

TEST(FreeTypeGlyphSource, BoldChineseGlyphsAreEmboldened) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  ORVANTA_REQUIRE_CJK_FALLBACK();
  const gfx::GlyphBitmap& regular = FaceOf("Arial", 13)->Glyph(U'运');
  const gfx::GlyphBitmap& bold = FaceOf("Arial", 13, true)->Glyph(U'运');
  EXPECT_GT(InkOf(bold), InkOf(regular));
  EXPECT_EQ(bold.Advance, regular.Advance + 1);
  EXPECT_EQ(bold.Width, regular.Width + 1);
}

TEST(FreeTypeGlyphSource, InterfaceTextsMeasurePlausibly) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  ORVANTA_REQUIRE_CJK_FALLBACK();
  struct Case {
    std::u32string_view Text;
    int Min;
    int Max;
  };
  constexpr Case kCases[] = {
      {U"刷新(&R)", 38, 52},
      {U"刷新(R)", 32, 45},
      {U"(小时)", 26, 36},
      {U" Windows已运行时间:", 90, 120},
  };
  const auto face = FaceOf("Arial", 11);
  for (const auto& c : kCases) {
    const int width = AdvanceOf(*face, c.Text);
    EXPECT_GE(width, c.Min) << width;
    EXPECT_LE(width, c.Max) << width;
  }
}

TEST(FreeTypeGlyphSource, CodePointsNoFaceHasStillDrawSomething) {
  const auto face = FaceOf("Arial", 11);
  // Unassigned, a lone surrogate, past the last code point, and far past it.
  for (char32_t c :
       {char32_t{0x0378}, char32_t{0xD800}, char32_t{0x110000}, char32_t{0xFFFFFFFF}}) {
    const gfx::GlyphBitmap& glyph = face->Glyph(c);
    EXPECT_GT(glyph.Advance, 0) << static_cast<unsigned>(c);
    EXPECT_GT(InkOf(glyph), 0) << static_cast<unsigned>(c);
  }
}

TEST(FreeTypeGlyphSource, WildHeightsAreHeldToASaneRange) {
  for (int height : {0, -11, 1, 5000, 1 << 30}) {
    const auto face = Source().Face(gfx::FaceKey{"Arial", height, false, false});
    const gfx::TextMetrics& m = face->Metrics();
    EXPECT_GT(m.Height, 0) << height;
    EXPECT_LE(m.Height, 2 * FreeTypeGlyphSource::kMaxEmHeight) << height;
    EXPECT_GE(face->Glyph(U'x').Advance, 0) << height;
  }
}

}  // namespace
}  // namespace orvanta::platform
