#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "canvas_test_fixture.h"
#include "gfx/region.h"

namespace orvanta::gfx {
namespace {

class ClipTest : public CanvasTest {
 protected:
  void SetUp() override { Reset(12, 8); }
  void FillAll() { Canvas().FillRect({-100, -100, 100, 100}, clBlack); }
};

TEST_F(ClipTest, RectClipLimitsEveryPrimitive) {
  Canvas().IntersectClipRect({2, 1, 6, 4});
  FillAll();
  Canvas().Line(0, 6, 12, 6);
  Canvas().SetPixel(9, 7, clBlack);
  EXPECT_EQ(InkBounds(), (Rect{2, 1, 6, 4}));
  EXPECT_EQ(Count(kBlack), 12);
  EXPECT_EQ(Canvas().ClipBox(), (Rect{2, 1, 6, 4}));
  EXPECT_TRUE(Canvas().PtVisible({5, 3}));
  EXPECT_FALSE(Canvas().PtVisible({6, 3}));
}

TEST_F(ClipTest, ClipsIntersect) {
  Canvas().IntersectClipRect({2, 1, 6, 4});
  Canvas().IntersectClipRect({4, 0, 10, 8});
  FillAll();
  EXPECT_EQ(InkBounds(), (Rect{4, 1, 6, 4}));
  Canvas().IntersectClipRect({7, 0, 9, 8});
  EXPECT_TRUE(Canvas().ClipBox().IsEmpty());
}

TEST_F(ClipTest, GetPixelOutsideTheClipAnswersNone) {
  Canvas().IntersectClipRect({2, 1, 6, 4});
  EXPECT_EQ(Canvas().GetPixel(2, 1), clWhite);
  EXPECT_EQ(Canvas().GetPixel(1, 1), clNone);
}

TEST_F(ClipTest, ClipIsInLogicalCoordinatesAndStaysOnTheDeviceWhenTheOriginMoves) {
  Canvas().SetOrigin({3, 2});
  Canvas().IntersectClipRect({0, 0, 2, 2});  // device (3, 2) to (5, 4)
  Canvas().SetOrigin({0, 0});
  FillAll();
  EXPECT_EQ(InkBounds(), (Rect{3, 2, 5, 4}));
  Canvas().SetOrigin({1, 1});
  EXPECT_EQ(Canvas().ClipBox(), (Rect{2, 1, 4, 3}));
}

// A polygon clip paints exactly the region's pixels, also under a moved origin.
TEST_F(ClipTest, PolygonClipPaintsExactlyTheRegion) {
  Reset(32, 24);
  const std::vector<Point> tab{{2, 20}, {2, 5}, {4, 3}, {25, 3}, {27, 5}, {27, 20}};
  const Region region = Region::FromPolygon(tab);
  Canvas().SetOrigin({2, 1});
  Canvas().IntersectClipRegion(region);
  FillAll();
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool inRegion = region.Contains({x - 2, y - 1});
      EXPECT_EQ(At(x, y) == kBlack, inRegion) << x << "," << y;
      EXPECT_EQ(Canvas().PtVisible({x - 2, y - 1}), inRegion) << x << "," << y;
    }
  }
  EXPECT_EQ(Canvas().ClipBox(), (Rect{2, 3, 27, 20}));
}

TEST_F(ClipTest, PolygonClipIntersectsWithRectClipAndOtherPolygons) {
  Reset(20, 20);
  const std::vector<Point> left{{0, 0}, {12, 0}, {0, 12}};
  const std::vector<Point> right{{20, 0}, {20, 12}, {8, 0}};
  Canvas().IntersectClipRect({0, 0, 20, 3});
  Canvas().IntersectClipRegion(Region::FromPolygon(left));
  Canvas().IntersectClipRegion(Region::FromPolygon(right));
  FillAll();
  const Region a = Region::FromPolygon(left);
  const Region b = Region::FromPolygon(right);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool expected = y < 3 && a.Contains({x, y}) && b.Contains({x, y});
      EXPECT_EQ(At(x, y) == kBlack, expected) << x << "," << y;
    }
  }
  EXPECT_GT(Count(kBlack), 0);
}

TEST_F(ClipTest, TextAndLinesHonourAPolygonClip) {
  const std::vector<Point> triangle{{0, 0}, {12, 0}, {0, 8}};
  const Region region = Region::FromPolygon(triangle);
  Canvas().IntersectClipRegion(region);
  for (int y = 0; y < 8; ++y) {
    Canvas().Line(0, y, 12, y);
  }
  Canvas().SetBkMode(BackgroundMode::Opaque);
  Canvas().SetBkColor(clBlack);
  Canvas().TextOut(0, 0, "MMM");
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 12; ++x) {
      EXPECT_EQ(At(x, y) == kBlack, region.Contains({x, y})) << x << "," << y;
    }
  }
}

// Coordinates at the ends of the int range must neither overflow (the sanitizer build checks)
// nor draw outside what they cover on the surface.
TEST_F(ClipTest, ExtremeCoordinatesAreSafe) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  const std::vector<Point> huge{{kMin, kMin}, {kMax, kMin}, {kMax, kMax}, {kMin, kMax}};
  EXPECT_TRUE(Region::FromPolygon(huge).Contains({0, 0}));
  EXPECT_FALSE(Region::FromPolygon(huge).Offset(kMax, 0).Contains({0, 0}));
  Canvas().SetOrigin({kMax, kMin});
  Canvas().FillRect({kMin, kMin, kMax, kMax}, clBlack);
  Canvas().SetOrigin({0, 0});
  Canvas().IntersectClipRegion(Region::FromPolygon(huge));
  Canvas().Line(kMin, kMin, kMax, kMax);
  Canvas().SetPen({clBlack, 3, PenStyle::Solid});
  Canvas().Line(kMax, kMin, kMin, kMax);
  Canvas().SetBrush({clBlack, BrushStyle::Solid});
  Canvas().Polygon(huge);
  EXPECT_EQ(Count(kBlack), 12 * 8);
}

}  // namespace
}  // namespace orvanta::gfx
