#include <gtest/gtest.h>

#include <vector>

#include "canvas_test_fixture.h"

namespace orvanta::gfx {
namespace {

class LineTest : public CanvasTest {
 protected:
  void SetUp() override { Reset(10, 6); }
};

struct CosmeticCase {
  const char* Name;
  Point From;
  Point To;
  std::string Expected;
};

class CosmeticLineTest : public LineTest, public ::testing::WithParamInterface<CosmeticCase> {};

TEST_P(CosmeticLineTest, StepsLikeBresenhamAndLeavesOutTheEndPoint) {
  const CosmeticCase& c = GetParam();
  Canvas().Line(c.From.X, c.From.Y, c.To.X, c.To.Y);
  EXPECT_EQ(Picture(), c.Expected) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CosmeticLineTest,
    ::testing::Values(CosmeticCase{"right",
                                   {1, 1},
                                   {6, 1},
                                   Rows({"..........", ".#####....", "..........", "..........",
                                         "..........", ".........."})},
                      CosmeticCase{"left",
                                   {6, 1},
                                   {1, 1},
                                   Rows({"..........", "..#####...", "..........", "..........",
                                         "..........", ".........."})},
                      CosmeticCase{"down",
                                   {2, 0},
                                   {2, 4},
                                   Rows({"..#.......", "..#.......", "..#.......", "..#.......",
                                         "..........", ".........."})},
                      CosmeticCase{"diagonal",
                                   {0, 0},
                                   {5, 5},
                                   Rows({"#.........", ".#........", "..#.......", "...#......",
                                         "....#.....", ".........."})},
                      CosmeticCase{"shallow",
                                   {0, 0},
                                   {8, 3},
                                   Rows({"##........", "..###.....", ".....##...", ".......#..",
                                         "..........", ".........."})},
                      CosmeticCase{"steep upwards",
                                   {1, 5},
                                   {3, 0},
                                   Rows({"..........", "...#......", "..#.......", "..#.......",
                                         ".#........", ".#........"})},
                      CosmeticCase{"tie goes toward start",
                                   {0, 0},
                                   {4, 1},
                                   Rows({"###.......", "...#......", "..........", "..........",
                                         "..........", ".........."})},
                      CosmeticCase{"single point",
                                   {3, 3},
                                   {3, 3},
                                   Rows({"..........", "..........", "..........", "..........",
                                         "..........", ".........."})}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = c == ' ' ? '_' : c;
      }
      return name;
    });

TEST_F(LineTest, LineToContinuesFromTheEndPointSoPolylinesHaveNoGaps) {
  Canvas().MoveTo(1, 1);
  Canvas().LineTo(4, 1);
  Canvas().LineTo(4, 4);
  EXPECT_EQ(Picture({0, 0, 6, 5}), Rows({"......", ".####.", "....#.", "....#.", "......"}));
}

TEST_F(LineTest, PolylineLeavesOutOnlyItsLastPoint) {
  const std::vector<Point> points{{0, 0}, {3, 0}, {3, 3}};
  Canvas().MoveTo(9, 5);
  Canvas().Polyline(points);
  EXPECT_EQ(Picture({0, 0, 5, 4}), Rows({"####.", "...#.", "...#.", "....."}));
  // Polyline does not move the current position.
  Canvas().LineTo(9, 3);
  EXPECT_EQ(At(9, 5), kBlack);
}

TEST_F(LineTest, DotStyleSetsEverySecondPixelAcrossSegments) {
  Canvas().SetPen({clBlack, 1, PenStyle::Dot});
  Canvas().MoveTo(0, 1);
  Canvas().LineTo(5, 1);
  Canvas().LineTo(5, 5);
  EXPECT_EQ(Picture(), Rows({"..........", "#.#.#.....", ".....#....", "..........", ".....#....",
                             ".........."}));
}

TEST_F(LineTest, ClearPenAndNoneColourDrawNothing) {
  Canvas().SetPen({clBlack, 1, PenStyle::Clear});
  Canvas().Line(0, 0, 9, 0);
  Canvas().SetPen({clNone, 2, PenStyle::Solid});
  Canvas().Line(0, 3, 9, 3);
  EXPECT_EQ(Count(kWhite), 60);
}

TEST_F(LineTest, SystemColoursResolveThroughThePalette) {
  Canvas().SetPen({clBtnShadow, 1, PenStyle::Solid});
  Canvas().Line(0, 0, 3, 0);
  EXPECT_EQ(At(0, 0), MakePixel(128, 128, 128));
}

// A width-2 pen is geometric: the pixels whose centres lie within 1 of the segment, with round
// caps, so the line covers the rows on both sides of its coordinate and both end points.
TEST_F(LineTest, TwoPixelPenCoversTwoRowsAndBothEnds) {
  Reset(12, 6);
  Canvas().SetPen({clBlack, 2, PenStyle::Solid});
  Canvas().Line(2, 3, 8, 3);
  EXPECT_EQ(Picture(), Rows({"............", "............", ".########...", ".########...",
                             "............", "............"}));
}

TEST_F(LineTest, TwoPixelVerticalAxisLineCoversTheColumnLeftOfIt) {
  Reset(6, 10);
  Canvas().SetPen({clBlack, 2, PenStyle::Solid});
  Canvas().Line(3, 2, 3, 7);
  const Rect expected{2, 1, 4, 8};
  EXPECT_EQ(InkBounds(), expected);
  EXPECT_EQ(Count(kBlack), expected.Width() * expected.Height());
}

TEST_F(LineTest, WidePenEndsAreRound) {
  Reset(16, 10);
  Canvas().SetPen({clBlack, 6, PenStyle::Solid});
  Canvas().Line(5, 5, 10, 5);
  EXPECT_EQ(Picture(),
            Rows({"................", "................", "...#########....", "..###########...",
                  "..###########...", "..###########...", "..###########...", "...#########....",
                  "................", "................"}));
}

TEST_F(LineTest, WideDotPenDrawsSolid) {
  Reset(12, 4);
  Canvas().SetPen({clBlack, 2, PenStyle::Dot});
  Canvas().Line(2, 2, 9, 2);
  EXPECT_EQ(Picture({1, 1, 11, 3}), Rows({"#########.", "#########."}));
}

TEST_F(LineTest, WideZeroLengthLineIsARoundDot) {
  Reset(8, 8);
  Canvas().SetPen({clBlack, 4, PenStyle::Solid});
  Canvas().Line(4, 4, 4, 4);
  EXPECT_EQ(Picture(), Rows({"........", "........", "...##...", "..####..", "..####..", "...##...",
                             "........", "........"}));
}

TEST_F(LineTest, HugeCoordinatesAreClippedWithoutWalkingThem) {
  Canvas().Line(-67108863, 2, 67108863, 2);
  Canvas().Line(-1000000, -1000000, 1000000, 1000000);
  Canvas().SetPen({clBlack, 2, PenStyle::Solid});
  Canvas().Line(8, -67108863, 8, 67108863);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(At(x, 2), kBlack) << x;
  }
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(At(i, i), kBlack) << i;
    EXPECT_EQ(At(7, i), kBlack) << i;
    EXPECT_EQ(At(8, i), kBlack) << i;
  }
  EXPECT_EQ(At(9, 0), kWhite);
}

}  // namespace
}  // namespace orvanta::gfx
