#include <gtest/gtest.h>

#include <vector>

#include "canvas_test_fixture.h"

namespace orvanta::gfx {
namespace {

constexpr Pixel kRed = MakePixel(255, 0, 0);

class ShapeTest : public CanvasTest {
 protected:
  void SetUp() override { Reset(8, 6); }
};

TEST_F(ShapeTest, FillRectExcludesRightAndBottom) {
  Canvas().FillRect({1, 1, 4, 3}, clBlack);
  EXPECT_EQ(Picture(),
            Rows({"........", ".###....", ".###....", "........", "........", "........"}));
}

TEST_F(ShapeTest, FillRectWithNoneDrawsNothingAndEmptyRectsNothing) {
  Canvas().FillRect({0, 0, 8, 6}, clNone);
  Canvas().FillRect({5, 5, 2, 2}, clBlack);
  EXPECT_EQ(Count(kWhite), 48);
}

struct RectangleCase {
  const char* Name;
  Pen RectPen;
  Brush RectBrush;
  std::string Expected;
};

class RectangleTest : public ShapeTest, public ::testing::WithParamInterface<RectangleCase> {};

TEST_P(RectangleTest, OutlinesWithThePenAndFillsWithTheBrush) {
  Canvas().SetPen(GetParam().RectPen);
  Canvas().SetBrush(GetParam().RectBrush);
  Canvas().Rectangle({1, 1, 7, 5});
  EXPECT_EQ(Picture(), GetParam().Expected) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RectangleTest,
    ::testing::Values(
        RectangleCase{
            "solid pen and brush",
            {clBlack, 1, PenStyle::Solid},
            {clRed, BrushStyle::Solid},
            Rows({"........", ".######.", ".#oooo#.", ".#oooo#.", ".######.", "........"})},
        RectangleCase{
            "clear brush",
            {clBlack, 1, PenStyle::Solid},
            {clRed, BrushStyle::Clear},
            Rows({"........", ".######.", ".#....#.", ".#....#.", ".######.", "........"})},
        RectangleCase{
            "clear pen loses right column and bottom row",
            {clBlack, 1, PenStyle::Clear},
            {clBlack, BrushStyle::Solid},
            Rows({"........", ".#####..", ".#####..", ".#####..", "........", "........"})},
        RectangleCase{
            "dotted pen",
            {clBlack, 1, PenStyle::Dot},
            {clWhite, BrushStyle::Clear},
            Rows({"........", ".#.#.#..", "......#.", ".#......", "..#.#.#.", "........"})},
        RectangleCase{
            "two pixel pen",
            {clBlack, 2, PenStyle::Solid},
            {clRed, BrushStyle::Solid},
            Rows({"#######.", "#######.", "##ooo##.", "#######.", "#######.", "........"})}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = c == ' ' ? '_' : c;
      }
      return name;
    });

TEST_F(ShapeTest, RectangleAcceptsReversedCorners) {
  Canvas().SetBrush({clBlack, BrushStyle::Solid});
  Canvas().Rectangle({7, 5, 1, 1});
  EXPECT_EQ(InkBounds(), (Rect{1, 1, 7, 5}));
}

TEST_F(ShapeTest, PolygonWithPenCoversItsRightAndBottomEdges) {
  const std::vector<Point> square{{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  Canvas().SetBrush({clRed, BrushStyle::Solid});
  Canvas().Polygon(square);
  EXPECT_EQ(Picture(),
            Rows({"........", ".#####..", ".#ooo#..", ".#ooo#..", ".#####..", "........"}));
}

TEST_F(ShapeTest, SlantedEdgesCutBothCornersAlike) {
  // A tab: corners cut diagonally by 2 pixels. Integer points name pixels, so the fill follows
  // the same diagonal on both sides and stays inside the tab's one-pixel outline.
  Reset(12, 6);
  const std::vector<Point> tab{{1, 5}, {1, 3}, {3, 1}, {8, 1}, {10, 3}, {10, 5}};
  Canvas().SetPen({clBlack, 1, PenStyle::Clear});
  Canvas().SetBrush({clBlack, BrushStyle::Solid});
  Canvas().Polygon(tab);
  EXPECT_EQ(Picture(), Rows({"............", "...#####....", "..#######...", ".#########..",
                             ".#########..", "............"}));
}

TEST_F(ShapeTest, PolygonFillsByTheAlternateRule) {
  Reset(12, 12);
  // Two overlapping squares as one path: their overlap is crossed twice and stays empty.
  const std::vector<Point> path{{1, 1},  {7, 1},   {7, 7},  {4, 7}, {4, 4},
                                {10, 4}, {10, 10}, {4, 10}, {4, 7}, {1, 7}};
  Canvas().SetPen({clBlack, 1, PenStyle::Clear});
  Canvas().SetBrush({clBlack, BrushStyle::Solid});
  Canvas().Polygon(path);
  EXPECT_EQ(At(2, 2), kBlack);
  EXPECT_EQ(At(8, 8), kBlack);
  EXPECT_EQ(At(5, 5), kWhite);
  EXPECT_EQ(At(6, 6), kWhite);
}

TEST_F(ShapeTest, SetPixelAndGetPixel) {
  Canvas().SetPixel(3, 2, clRed);
  Canvas().SetPixel(30, 2, clRed);
  Canvas().SetPixel(4, 2, clNone);
  EXPECT_EQ(At(3, 2), kRed);
  EXPECT_EQ(Canvas().GetPixel(3, 2), clRed);
  EXPECT_EQ(Canvas().GetPixel(4, 2), clWhite);
  EXPECT_EQ(Canvas().GetPixel(-1, 0), clNone);
  EXPECT_EQ(Canvas().GetPixel(8, 0), clNone);
}

TEST_F(ShapeTest, InvertRectInvertsAndTwiceRestores) {
  Canvas().FillRect({0, 0, 8, 6}, RGB(10, 20, 30));
  Canvas().InvertRect({2, 1, 5, 3});
  EXPECT_EQ(At(2, 1), MakePixel(245, 235, 225));
  EXPECT_EQ(At(5, 1), MakePixel(10, 20, 30));
  Canvas().InvertRect({2, 1, 5, 3});
  EXPECT_EQ(Count(MakePixel(10, 20, 30)), 48);
}

TEST_F(ShapeTest, FocusRectInvertsEverySecondFramePixelAndTwiceRestores) {
  Canvas().DrawFocusRect({1, 1, 7, 5});
  EXPECT_EQ(Picture(),
            Rows({"........", ".#.#.#..", "......#.", ".#......", "..#.#.#.", "........"}));
  Canvas().DrawFocusRect({1, 1, 7, 5});
  EXPECT_EQ(Count(kWhite), 48);
}

TEST_F(ShapeTest, FocusRectOfOneRowInvertsEachPixelOnce) {
  Canvas().DrawFocusRect({0, 2, 8, 3});
  EXPECT_EQ(Picture({0, 2, 8, 3}), Rows({"#.#.#.#."}));
}

}  // namespace
}  // namespace orvanta::gfx
