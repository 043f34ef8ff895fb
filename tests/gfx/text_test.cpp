#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas_test_fixture.h"

namespace orvanta::gfx {
namespace {

// With the box glyphs at em height 16: ascent 12, descent 4, advances 8 ("a"), 4 ("i"),
// 16 ("M"); a glyph's ink fills rows 2 to 11 of the cell and is one pixel narrower than its
// advance; the underline is row 13.
class TextTest : public CanvasTest {
 protected:
  void SetUp() override {
    Reset(80, 48);
    Font font;
    font.Height = 16;
    font.TextColor = clBlack;
    Canvas().SetFont(font);
    Canvas().SetBkMode(BackgroundMode::Transparent);
  }
  void UseFont(void (*change)(Font&)) {
    Font font = Canvas().GetFont();
    change(font);
    Canvas().SetFont(font);
  }
  // Columns of row y that hold ink, as [begin, end) runs.
  std::vector<std::pair<int, int>> InkRuns(int y) const {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < m_bitmap.Width(); ++x) {
      if (At(x, y) == kWhite) {
        continue;
      }
      if (!runs.empty() && runs.back().second == x) {
        runs.back().second = x + 1;
      } else {
        runs.emplace_back(x, x + 1);
      }
    }
    return runs;
  }
};

TEST_F(TextTest, MetricsAndExtentComeFromTheFace) {
  const TextMetrics tm = Canvas().GetTextMetrics();
  EXPECT_EQ(tm.Height, 16);
  EXPECT_EQ(tm.Ascent, 12);
  EXPECT_EQ(Canvas().TextExtent("Mia"), (Size{28, 16}));
  EXPECT_EQ(Canvas().TextExtent(""), (Size{0, 0}));
  UseFont([](Font& f) { f.Bold = true; });
  EXPECT_EQ(Canvas().TextExtent("Mia"), (Size{31, 16}));
}

// Where TextExtent says a prefix ends, the next glyph's ink begins: measuring and drawing
// use the same advances.
TEST_F(TextTest, MeasurementMatchesTheDrawnGlyphPositions) {
  const std::string text =
      "Wall.M\xE5\xB0\x8F"
      "a";
  Canvas().TextOut(3, 0, text);
  const auto runs = InkRuns(5);
  const std::vector<std::string> prefixes{"",     "W",     "Wa",     "Wal",
                                          "Wall", "Wall.", "Wall.M", "Wall.M\xE5\xB0\x8F"};
  ASSERT_EQ(runs.size(), prefixes.size());
  for (std::size_t i = 0; i < prefixes.size(); ++i) {
    EXPECT_EQ(runs[i].first, 3 + Canvas().TextExtent(prefixes[i]).Width) << i;
  }
  EXPECT_EQ(runs.back().second, 3 + Canvas().TextExtent(text).Width - 1);
  EXPECT_EQ(InkBounds(), (Rect{3, 2, 3 + Canvas().TextExtent(text).Width - 1, 12}));
}

TEST_F(TextTest, OpaqueBackgroundFillsExactlyTheTextCell) {
  Canvas().SetBkMode(BackgroundMode::Opaque);
  Canvas().SetBkColor(clRed);
  Canvas().TextOut(5, 7, "ai");
  const Rect cell{5, 7, 5 + 12, 7 + 16};
  EXPECT_EQ(InkBounds(), cell);
  EXPECT_EQ(At(5, 7), MakePixel(255, 0, 0));
  EXPECT_EQ(At(5, 9), kBlack);
}

TEST_F(TextTest, UnderlinedFontUnderlinesTheWholeExtent) {
  UseFont([](Font& f) { f.Underline = true; });
  Canvas().TextOut(2, 0, "a a");
  EXPECT_EQ(InkRuns(13), (std::vector<std::pair<int, int>>{{2, 26}}));
  EXPECT_TRUE(InkRuns(12).empty());
  EXPECT_TRUE(InkRuns(14).empty());
}

TEST_F(TextTest, PartialCoverageBlendsWithTheBackground) {
  Canvas().TextOut(0, 0, "\xE2\x96\x91");  // U+2591, coverage 128
  EXPECT_EQ(At(1, 5), MakePixel(127, 127, 127));
  Canvas().SetTextColor(clNone);
  Canvas().TextOut(20, 0, "M");
  EXPECT_EQ(At(21, 5), kWhite);
}

TEST_F(TextTest, InvalidUtf8DrawsReplacementGlyphsAndMeasuresTheSame) {
  const std::string bad = "a\xFF\xE5\xB0";
  Canvas().TextOut(0, 0, bad);
  EXPECT_EQ(Canvas().TextExtent(bad).Width, 24);
  EXPECT_EQ(InkRuns(5).size(), 3u);
}

// Escapement 900: the text reads upwards; its cell's top-left is (x, y) in the turned frame,
// so the cell covers columns x to x + height and the rows above y.
TEST_F(TextTest, RotatedTextReadsUpwardsInAStripRightOfX) {
  UseFont([](Font& f) { f.Escapement = 900; });
  Canvas().TextOut(30, 40, "Mi");
  // "M": pen 0 to 16, ink 15 wide; "i": pen 16 to 20, ink 3 wide; ink 2 to 12 down the cell.
  EXPECT_EQ(InkBounds(), (Rect{32, 21, 42, 40}));
  EXPECT_EQ(Picture({36, 20, 37, 41}), Rows({".", "#", "#", "#", ".", "#", "#", "#", "#", "#", "#",
                                             "#", "#", "#", "#", "#", "#", "#", "#", "#", "."}));
}

TEST_F(TextTest, RotatedOpaqueCellAndUnderlineTurnWithTheText) {
  UseFont([](Font& f) {
    f.Escapement = 900;
    f.Underline = true;
  });
  Canvas().SetBkMode(BackgroundMode::Opaque);
  Canvas().SetBkColor(clRed);
  Canvas().TextOut(30, 40, "aa");
  EXPECT_EQ(InkBounds(), (Rect{30, 24, 46, 40}));
  for (int y = 24; y < 40; ++y) {
    EXPECT_EQ(At(30 + 13, y), kBlack) << y;  // the underline, a column now
  }
  EXPECT_EQ(At(30 + 14, 30), MakePixel(255, 0, 0));
}

TEST_F(TextTest, ClockwiseEscapementReadsDownwards) {
  UseFont([](Font& f) { f.Escapement = 2700; });
  Canvas().TextOut(40, 4, "Mi");
  EXPECT_EQ(InkBounds(), (Rect{28, 4, 38, 23}));
  EXPECT_EQ(At(33, 4 + 14), kBlack);  // last row of "M"
  EXPECT_EQ(At(33, 4 + 15), kWhite);
  EXPECT_EQ(At(33, 4 + 16), kBlack);  // "i" below it
}

struct AlignCase {
  const char* Name;
  unsigned Flags;
  Point TopLeftOfCell;  // of "ab" (16 x 16) in the rectangle (4, 2, 44, 32)
};

class DrawTextAlignTest : public TextTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(DrawTextAlignTest, PlacesTheLineInTheRectangle) {
  Canvas().SetBkMode(BackgroundMode::Opaque);
  Canvas().SetBkColor(clRed);
  Rect r{4, 2, 44, 32};
  Canvas().DrawText("ab", r, GetParam().Flags);
  const Point p = GetParam().TopLeftOfCell;
  EXPECT_EQ(InkBounds(), (Rect{p.X, p.Y, p.X + 16, p.Y + 16})) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, DrawTextAlignTest,
    ::testing::Values(AlignCase{"left top", kDtLeft | kDtTop, {4, 2}},
                      AlignCase{"centre", kDtCenter, {16, 2}},
                      AlignCase{"right", kDtRight, {28, 2}},
                      AlignCase{"vcenter single line", kDtVCenter | kDtSingleLine, {4, 9}},
                      AlignCase{"bottom single line", kDtBottom | kDtSingleLine, {4, 16}},
                      AlignCase{"vcenter needs single line", kDtVCenter, {4, 2}},
                      AlignCase{"centre both", kDtCenter | kDtVCenter | kDtSingleLine, {16, 9}}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = c == ' ' ? '_' : c;
      }
      return name;
    });

TEST_F(TextTest, DrawTextWrapsAndReturnsTheHeight) {
  Rect r{0, 0, 40, 48};
  EXPECT_EQ(Canvas().DrawText("aa bb cc", r, kDtWordBreak), 32);
  EXPECT_EQ(InkRuns(5), (std::vector<std::pair<int, int>>{{0, 7}, {8, 15}, {24, 31}, {32, 39}}));
  EXPECT_EQ(InkRuns(16 + 5), (std::vector<std::pair<int, int>>{{0, 7}, {8, 15}}));
}

TEST_F(TextTest, CalcRectMeasuresWithoutDrawing) {
  Rect wrapped{2, 3, 42, 4};
  EXPECT_EQ(Canvas().DrawText("aa bb cc", wrapped, kDtWordBreak | kDtCalcRect), 32);
  EXPECT_EQ(wrapped, (Rect{2, 3, 42, 35}));
  Rect single{2, 3, 4, 4};
  Canvas().DrawText("aa bb cc", single, kDtSingleLine | kDtCalcRect);
  EXPECT_EQ(single, (Rect{2, 3, 66, 19}));
  Rect empty{2, 3, 50, 50};
  EXPECT_EQ(Canvas().DrawText("", empty, kDtCalcRect), 0);
  EXPECT_EQ(empty, (Rect{2, 3, 2, 3}));
  EXPECT_EQ(Count(kWhite), 80 * 48);
}

TEST_F(TextTest, PrefixUnderlinesTheAccessKeyOnly) {
  Rect r{0, 0, 80, 20};
  Canvas().DrawText("a&bc", r, kDtSingleLine);
  EXPECT_EQ(InkRuns(13), (std::vector<std::pair<int, int>>{{8, 16}}));
  EXPECT_EQ(InkRuns(5).size(), 3u);
}

TEST_F(TextTest, PrefixOptions) {
  Rect r{0, 0, 80, 20};
  Canvas().DrawText("&a&&b", r, kDtSingleLine | kDtHidePrefix);
  EXPECT_TRUE(InkRuns(13).empty());
  EXPECT_EQ(InkRuns(5).size(), 3u);
  SetUp();
  Canvas().DrawText("&a", r, kDtSingleLine | kDtNoPrefix);
  EXPECT_EQ(InkRuns(5).size(), 2u);
  EXPECT_TRUE(InkRuns(13).empty());
}

TEST_F(TextTest, EndEllipsisKeepsTheTextInsideTheRectangle) {
  Rect r{0, 0, 40, 20};
  Canvas().DrawText("abcdefgh", r, kDtSingleLine | kDtEndEllipsis | kDtNoClip);
  // "abc" then three 4-pixel dots: 24 + 12 = 36 pixels of pen advance.
  const auto runs = InkRuns(10);
  ASSERT_EQ(runs.size(), 6u);
  EXPECT_EQ(runs.back(), (std::pair<int, int>{32, 35}));
}

TEST_F(TextTest, DrawTextClipsToTheRectangleUnlessNoClip) {
  Rect r{0, 0, 20, 16};
  Canvas().DrawText("MM", r, kDtSingleLine);
  EXPECT_EQ(InkBounds(), (Rect{0, 2, 20, 12}));
  Rect below{0, 20, 20, 36};
  Canvas().DrawText("MM", below, kDtSingleLine | kDtNoClip);
  EXPECT_EQ(InkRuns(25), (std::vector<std::pair<int, int>>{{0, 15}, {16, 31}}));
  // The clip is back to the whole surface afterwards.
  EXPECT_EQ(Canvas().ClipBox(), (Rect{0, 0, 80, 48}));
}

TEST_F(TextTest, DrawTextExpandsTabsEveryEightAverageWidths) {
  Rect r{0, 0, 80, 20};
  Canvas().DrawText("a\ta", r, kDtSingleLine | kDtExpandTabs);
  EXPECT_EQ(InkRuns(5), (std::vector<std::pair<int, int>>{{0, 7}, {64, 71}}));
}

TEST_F(TextTest, DrawTextBreaksChineseBetweenCharacters) {
  Rect r{0, 0, 40, 48};
  EXPECT_EQ(Canvas().DrawText("\xE5\xB0\x8F\xE6\x97\xB6\xE5\xB0\x8F\xE6\x97\xB6", r, kDtWordBreak),
            32);
  EXPECT_EQ(InkRuns(16 + 5), (std::vector<std::pair<int, int>>{{0, 15}, {16, 31}}));
}

}  // namespace
}  // namespace orvanta::gfx
