#include "gfx/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/canvas.h"

namespace orvanta::gfx {
namespace {

// ASCII 10 pixels, everything else 20, control characters nothing.
int TestAdvance(char32_t c) {
  return c < 0x20 ? 0 : c < 0x80 ? 10 : 20;
}

std::vector<std::u32string> LineTexts(const std::vector<TextLine>& lines) {
  std::vector<std::u32string> out;
  for (const TextLine& line : lines) {
    std::u32string text;
    for (const PlacedChar& c : line.Chars) {
      text += c.Code;
    }
    out.push_back(text);
  }
  return out;
}

std::vector<TextLine> Layout(std::u32string_view text, unsigned flags, int width = 1000) {
  return LayoutText(text, {flags, width, 80}, TestAdvance);
}

struct PrefixCase {
  const char* Name;
  std::u32string_view Text;
  unsigned Flags;
  std::u32string_view Shown;
  int UnderlinedIndex;  // -1: none
};

class PrefixTest : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(PrefixTest, ShowsTheTextAndUnderlinesTheAccessKey) {
  const PrefixCase& c = GetParam();
  const std::vector<TextLine> lines = Layout(c.Text, c.Flags | kDtSingleLine);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(LineTexts(lines)[0], c.Shown) << c.Name;
  int underlined = -1;
  for (std::size_t i = 0; i < lines[0].Chars.size(); ++i) {
    if (lines[0].Chars[i].Underlined) {
      EXPECT_EQ(underlined, -1) << c.Name << ": only one access key";
      underlined = static_cast<int>(i);
    }
  }
  EXPECT_EQ(underlined, c.UnderlinedIndex) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrefixTest,
    ::testing::Values(PrefixCase{"caption", U"\u5237\u65B0(&R)", 0, U"\u5237\u65B0(R)", 3},
                      PrefixCase{"double ampersand", U"a&&b", 0, U"a&b", -1},
                      PrefixCase{"first key wins", U"&a&b", 0, U"ab", 0},
                      PrefixCase{"escaped then key", U"&&&x", 0, U"&x", 1},
                      PrefixCase{"trailing ampersand", U"ab&", 0, U"ab", -1},
                      PrefixCase{"no prefix", U"&a&&b", kDtNoPrefix, U"&a&&b", -1},
                      PrefixCase{"hide prefix", U"&a&&b", kDtHidePrefix, U"a&b", -1}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = c == ' ' ? '_' : c;
      }
      return name;
    });

TEST(TextLayoutTest, LineBreaksSplitLinesUnlessSingleLine) {
  EXPECT_EQ(LineTexts(Layout(U"a\nb\r\nc\rd", 0)),
            (std::vector<std::u32string>{U"a", U"b", U"c", U"d"}));
  EXPECT_EQ(LineTexts(Layout(U"a\n\nb", 0)), (std::vector<std::u32string>{U"a", U"", U"b"}));
  EXPECT_EQ(Layout(U"a\nb", kDtSingleLine).size(), 1u);
}

struct WrapCase {
  const char* Name;
  std::u32string_view Text;
  int Width;
  std::vector<std::u32string> Lines;
};

class WrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTest, BreaksWhereAllowedAndKeepsLinesWithinTheWidth) {
  const WrapCase& c = GetParam();
  EXPECT_EQ(LineTexts(Layout(c.Text, kDtWordBreak, c.Width)), c.Lines) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WrapTest,
    ::testing::Values(WrapCase{"fits", U"aa bb", 50, {U"aa bb"}},
                      WrapCase{"at spaces", U"aa bb cc", 50, {U"aa bb", U"cc"}},
                      WrapCase{"spaces at the break vanish", U"aa   bb", 30, {U"aa", U"bb"}},
                      WrapCase{"long word stays whole", U"abcdefgh ij", 30, {U"abcdefgh", U"ij"}},
                      WrapCase{"long word first", U"ab abcdefgh", 30, {U"ab", U"abcdefgh"}},
                      WrapCase{"cjk between any characters",
                               U"\u5C0F\u65F6\u5C0F\u65F6\u5C0F",
                               45,
                               {U"\u5C0F\u65F6", U"\u5C0F\u65F6", U"\u5C0F"}},
                      WrapCase{"cjk keeps closing punctuation",
                               U"\u5C0F\u65F6\u3002\u5C0F",
                               45,
                               {U"\u5C0F", U"\u65F6\u3002", U"\u5C0F"}},
                      WrapCase{
                          "latin word before cjk", U"ab\u5C0F\u65F6", 45, {U"ab\u5C0F", U"\u65F6"}},
                      WrapCase{"explicit breaks too", U"aa bb\ncc", 50, {U"aa bb", U"cc"}}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = c == ' ' ? '_' : c;
      }
      return name;
    });

TEST(TextLayoutTest, TabsExpandToTheNextStop) {
  const std::vector<TextLine> lines = Layout(U"a\tb\t\tc", kDtExpandTabs | kDtSingleLine);
  ASSERT_EQ(lines[0].Chars.size(), 6u);
  EXPECT_EQ(lines[0].Chars[2].X, 80);   // "b" at the first stop
  EXPECT_EQ(lines[0].Chars[5].X, 240);  // two more stops
  EXPECT_EQ(lines[0].Width, 250);
  // Without the flag a tab is an ordinary (here zero-width) character.
  EXPECT_EQ(Layout(U"a\tb", kDtSingleLine)[0].Chars[2].X, 10);
}

TEST(TextLayoutTest, EndEllipsisCutsToTheWidthWithThreeDots) {
  const std::vector<TextLine> lines = Layout(U"abcdefgh", kDtSingleLine | kDtEndEllipsis, 65);
  EXPECT_EQ(LineTexts(lines)[0], U"abc...");
  EXPECT_EQ(lines[0].Width, 60);
  EXPECT_EQ(LineTexts(Layout(U"abcdef", kDtSingleLine | kDtEndEllipsis, 60))[0], U"abcdef");
  EXPECT_EQ(LineTexts(Layout(U"abcdef", kDtSingleLine | kDtEndEllipsis, 5))[0], U"...");
}

TEST(TextLayoutTest, EndEllipsisAppliesToTheEndOfTheTextOnly) {
  const auto lines = LineTexts(Layout(U"abcdefgh ab abcdefgh", kDtWordBreak | kDtEndEllipsis, 45));
  EXPECT_EQ(lines, (std::vector<std::u32string>{U"abcdefgh", U"ab", U"a..."}));
}

TEST(TextLayoutTest, PositionsAreRunningSumsOfAdvances) {
  const std::vector<TextLine> lines = Layout(U"a\u5C0Fb", kDtSingleLine);
  EXPECT_EQ(lines[0].Chars[1].X, 10);
  EXPECT_EQ(lines[0].Chars[2].X, 30);
  EXPECT_EQ(lines[0].Width, 40);
}

}  // namespace
}  // namespace orvanta::gfx
