#include "gfx/utf8.h"

#include <gtest/gtest.h>

namespace orvanta::gfx {
namespace {

struct DecodeCase {
  const char* Name;
  std::string_view Bytes;
  std::u32string Expected;
};

constexpr char32_t R = kReplacementChar;

class DecodeUtf8Test : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeUtf8Test, DecodesOrReplacesEachIllFormedSubsequence) {
  EXPECT_EQ(DecodeUtf8(GetParam().Bytes), GetParam().Expected) << GetParam().Name;
}

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeUtf8Test,
    ::testing::Values(DecodeCase{"ascii", "Ab 1"sv, U"Ab 1"},
                      DecodeCase{"two bytes", "\xC3\xA9"sv, U"\u00E9"},
                      DecodeCase{"chinese", "(\xE5\xB0\x8F\xE6\x97\xB6)"sv, U"(\u5C0F\u65F6)"},
                      DecodeCase{"four bytes", "\xF0\x9F\x98\x80"sv, U"\U0001F600"},
                      DecodeCase{"embedded nul", "a\0b"sv, std::u32string(U"a\0b", 3)},
                      DecodeCase{"stray continuation", "a\x80z"sv, U"a\uFFFDz"},
                      DecodeCase{"truncated at end", "x\xE5\xB0"sv, U"x\uFFFD"},
                      DecodeCase{"truncated before ascii",
                                 "\xF0\x9F\x98"
                                 "A"sv,
                                 U"\uFFFDA"},
                      DecodeCase{"overlong two bytes", "\xC0\xAF"sv, std::u32string{R, R}},
                      DecodeCase{"overlong three bytes", "\xE0\x80\xAF"sv, std::u32string{R, R, R}},
                      DecodeCase{"surrogate", "\xED\xA0\x80"sv, std::u32string{R, R, R}},
                      DecodeCase{"above U+10FFFF", "\xF4\x90\x80\x80"sv,
                                 std::u32string{R, R, R, R}},
                      DecodeCase{"invalid lead", "\xF5\xFF"sv, std::u32string{R, R}},
                      DecodeCase{"lead then lead", "\xE5\xE5\xB0\x8F"sv, U"\uFFFD\u5C0F"}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      }
      return name;
    });

TEST(AppendUtf8Test, RoundTripsThroughDecode) {
  const std::u32string text = U"a\u00E9\u5C0F\U0001F600";
  std::string bytes;
  for (char32_t c : text) {
    AppendUtf8(bytes, c);
  }
  EXPECT_EQ(DecodeUtf8(bytes), text);
}

TEST(AppendUtf8Test, InvalidCodePointsBecomeReplacementCharacters) {
  std::string bytes;
  AppendUtf8(bytes, 0xD800);
  AppendUtf8(bytes, 0x110000);
  EXPECT_EQ(bytes, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace orvanta::gfx
