#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/font_test_support.h"
#include "platform/posix/box_font_face.h"
#include "platform/posix/freetype_glyph_source.h"

namespace orvanta::platform {
namespace {

using testing::InkOf;

// Serves fixed answers, so that the source meets files that are missing or damaged.
class FixedMatcher final : public FontMatcher {
 public:
  std::optional<FontFile> Primary;
  std::optional<FontFile> Cjk;
  std::vector<FontFile> Any;

  std::optional<FontFile> Match(std::string_view, FontWeight, FontSlant) override {
    return Primary;
  }
  std::optional<FontFile> CjkFallback() override { return Cjk; }
  std::vector<FontFile> AnyFonts() override { return Any; }
};

FontFile FileAt(std::string path) {
  FontFile file;
  file.Path = std::move(path);
  return file;
}

// A real, loadable face of the system: whatever fontconfig picks for sans-serif text.
FontFile SystemFace() {
  FontconfigMatcher matcher;
  return matcher.Match("sans-serif", FontWeight::Regular, FontSlant::Upright).value_or(FontFile{});
}

// A file that starts like a TrueType font and then lies about its tables.
std::string DamagedFontFile() {
  const auto path = std::filesystem::temp_directory_path() /
                    ("orvanta-damaged-font-" +
                     std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".ttf");
  std::ofstream out(path, std::ios::binary);
  const unsigned char header[] = {0x00, 0x01, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00,
                                  0x00, 0x00, 'g',  'l',  'y',  'f',  0xFF, 0xFF, 0xFF, 0xFF,
                                  0x7F, 0xFF, 0xFF, 0xF0, 0x7F, 0xFF, 0xFF, 0xF0};
  out.write(reinterpret_cast<const char*>(header), sizeof header);
  return path.string();
}

std::shared_ptr<gfx::FontFace> FaceFrom(std::unique_ptr<FixedMatcher> matcher, int height = 11) {
  FreeTypeGlyphSource source(std::move(matcher));
  return source.Face(gfx::FaceKey{"Arial", height, false, false});
}

TEST(GlyphSourceFailures, UnloadableMatchFallsBackToAnyFaceThatLoads) {
  const FontFile system = SystemFace();
  if (system.Path.empty()) {
    GTEST_SKIP() << "no font is installed";
  }
  const std::string damaged = DamagedFontFile();
  auto matcher = std::make_unique<FixedMatcher>();
  matcher->Primary = FileAt(damaged);
  matcher->Any = {FileAt("/nonexistent/font.ttf"), FileAt(damaged), system};
  const auto face = FaceFrom(std::move(matcher));
  std::filesystem::remove(damaged);

  const auto* freeType = dynamic_cast<const FreeTypeFace*>(face.get());
  ASSERT_NE(freeType, nullptr);
  EXPECT_EQ(freeType->File().Path, system.Path);
  EXPECT_GT(InkOf(face->Glyph(U'A')), 0);
}

TEST(GlyphSourceFailures, NoLoadableFontGivesBoxes) {
  auto matcher = std::make_unique<FixedMatcher>();
  matcher->Primary = FileAt("/nonexistent/font.ttf");
  matcher->Any = {FileAt("/nonexistent/other.ttf")};
  const auto face = FaceFrom(std::move(matcher));

  ASSERT_NE(dynamic_cast<const BoxFontFace*>(face.get()), nullptr);
  const gfx::TextMetrics& m = face->Metrics();
  EXPECT_EQ(m.Height, m.Ascent + m.Descent);
  EXPECT_GE(m.Height, 11);
  EXPECT_GT(m.Ascent, m.Descent);
  EXPECT_LE(face->UnderlinePosition() + face->UnderlineThickness(), m.Descent);
  for (char32_t c : std::u32string_view(U"A刷\u0378")) {
    const gfx::GlyphBitmap& box = face->Glyph(c);
    EXPECT_GT(InkOf(box), 0);
    EXPECT_GT(box.Advance, box.Left + box.Width - 1);
    EXPECT_LE(box.Top, m.Ascent);
    EXPECT_EQ(box.Coverage.size(), static_cast<std::size_t>(box.Width) * box.Height);
  }
  EXPECT_EQ(InkOf(face->Glyph(U' ')), 0);
  EXPECT_GT(face->Glyph(U' ').Advance, 0);
}

TEST(GlyphSourceFailures, MatcherWithoutFontsGivesBoxesAtEverySize) {
  for (int height : {-3, 0, 1, 2, 11, 4000}) {
    const auto face = FaceFrom(std::make_unique<FixedMatcher>(), height);
    EXPECT_GT(face->Metrics().Height, 0) << height;
    EXPECT_GT(InkOf(face->Glyph(U'A')), 0) << height;
  }
}

TEST(GlyphSourceFailures, MissingFallbackFileGivesTheMissingGlyph) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  auto matcher = std::make_unique<FixedMatcher>();
  matcher->Primary =
      FontconfigMatcher().Match("Liberation Sans", FontWeight::Regular, FontSlant::Upright);
  matcher->Cjk = FileAt("/nonexistent/cjk.ttc");
  const auto face = FaceFrom(std::move(matcher));

  const gfx::GlyphBitmap& han = face->Glyph(U'刷');
  EXPECT_GT(InkOf(han), 0);
  EXPECT_GT(han.Advance, 0);
  EXPECT_EQ(han.Coverage, face->Glyph(U'\u0378').Coverage);
  EXPECT_FALSE(dynamic_cast<FreeTypeFace&>(*face).UsesFallback(U'刷'));
}

}  // namespace
}  // namespace orvanta::platform
