#include "platform/posix/fontconfig_matcher.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/font_test_support.h"

namespace orvanta::platform {
namespace {

TEST(SubstituteFamily, ForcesTheWindowsFamiliesIgnoringCase) {
  struct Case {
    std::string_view Requested;
    std::string_view Expected;
  };
  constexpr Case kCases[] = {
      {"Arial", "Liberation Sans"},
      {"arial", "Liberation Sans"},
      {"MS Sans Serif", "Liberation Sans"},
      {"ms sans SERIF", "Liberation Sans"},
      {"Verdana", "DejaVu Sans"},
      {"VERDANA", "DejaVu Sans"},
      {"Tahoma", "Tahoma"},
      {"Arial Black", "Arial Black"},
      {"", ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(SubstituteFamily(c.Requested), c.Expected) << c.Requested;
  }
}

TEST(FontconfigMatcher, WindowsFamiliesResolveToTheirSubstitutes) {
  ORVANTA_REQUIRE_FAMILY("Liberation Sans");
  ORVANTA_REQUIRE_FAMILY("DejaVu Sans");
  struct Case {
    std::string_view Requested;
    FontWeight Weight;
    std::string_view Family;
  };
  constexpr Case kCases[] = {
      {"Arial", FontWeight::Regular, "Liberation Sans"},
      {"Arial", FontWeight::Bold, "Liberation Sans"},
      {"MS Sans Serif", FontWeight::Regular, "Liberation Sans"},
      {"Verdana", FontWeight::Regular, "DejaVu Sans"},
      {"Verdana", FontWeight::Bold, "DejaVu Sans"},
  };
  FontconfigMatcher matcher;
  for (const auto& c : kCases) {
    auto file = matcher.Match(c.Requested, c.Weight, FontSlant::Upright);
    ASSERT_TRUE(file) << c.Requested;
    EXPECT_EQ(file->Family, c.Family) << c.Requested;
    EXPECT_EQ(file->Weight, c.Weight) << c.Requested;
    EXPECT_EQ(file->Slant, FontSlant::Upright) << c.Requested;
    EXPECT_TRUE(std::filesystem::exists(file->Path)) << file->Path;
  }
}

TEST(FontconfigMatcher, UnknownFamilyStillGetsAFace) {
  ORVANTA_REQUIRE_ANY_FONT();
  FontconfigMatcher matcher;
  auto file = matcher.Match("No Such Family 7f3a", FontWeight::Regular, FontSlant::Upright);
  ASSERT_TRUE(file);
  EXPECT_TRUE(std::filesystem::exists(file->Path)) << file->Path;
}

TEST(FontconfigMatcher, CjkFallbackIsTheChineseFace) {
  ORVANTA_REQUIRE_CJK_FALLBACK();
  FontconfigMatcher matcher;
  auto file = matcher.CjkFallback();
  ASSERT_TRUE(file);
  EXPECT_EQ(file->Family, kCjkFallbackFamily);
  EXPECT_TRUE(std::filesystem::exists(file->Path)) << file->Path;
}

TEST(FontconfigMatcher, AnyFontsListsExistingFiles) {
  ORVANTA_REQUIRE_ANY_FONT();
  FontconfigMatcher matcher;
  auto files = matcher.AnyFonts();
  ASSERT_FALSE(files.empty());
  for (const auto& file : files) {
    EXPECT_TRUE(std::filesystem::exists(file.Path)) << file.Path;
  }
}

}  // namespace
}  // namespace orvanta::platform
