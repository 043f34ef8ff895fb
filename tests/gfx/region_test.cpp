#include "gfx/region.h"

#include <gtest/gtest.h>

#include <vector>

#include "canvas_test_fixture.h"

namespace orvanta::gfx {
namespace {

TEST(RegionTest, RectRegionHasExclusiveRightAndBottom) {
  const Region r = Region::FromRect({2, 3, 5, 7});
  EXPECT_TRUE(r.IsRect());
  EXPECT_TRUE(r.Contains({2, 3}));
  EXPECT_TRUE(r.Contains({4, 6}));
  EXPECT_FALSE(r.Contains({5, 6}));
  EXPECT_FALSE(r.Contains({4, 7}));
  EXPECT_FALSE(r.Contains({1, 3}));
}

TEST(RegionTest, SquarePolygonCoversThePixelsOfTheSameRect) {
  const std::vector<Point> square{{1, 1}, {6, 1}, {6, 4}, {1, 4}};
  const Region polygon = Region::FromPolygon(square);
  const Region rect = Region::FromRect({1, 1, 6, 4});
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(polygon.Contains({x, y}), rect.Contains({x, y})) << x << "," << y;
    }
  }
  EXPECT_EQ(polygon.Bounds(), (Rect{1, 1, 6, 4}));
}

TEST(RegionTest, AlternateRuleLeavesTheCentreOfAPentagramOut) {
  const std::vector<Point> star{{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};
  const Region region = Region::FromPolygon(star);
  EXPECT_FALSE(region.Contains({10, 10}));  // the inner pentagon is crossed twice
  EXPECT_TRUE(region.Contains({10, 3}));    // a point of the star
}

TEST(RegionTest, DegeneratePolygonsAreEmpty) {
  const std::vector<Point> two{{0, 0}, {5, 5}};
  const std::vector<Point> flat{{0, 2}, {9, 2}, {4, 2}};
  EXPECT_TRUE(Region::FromPolygon(two).Bounds().IsEmpty());
  EXPECT_FALSE(Region::FromPolygon(flat).Contains({4, 2}));
}

TEST(RegionTest, OffsetMovesPointsAndBounds) {
  const std::vector<Point> triangle{{0, 0}, {8, 0}, {0, 8}};
  const Region moved = Region::FromPolygon(triangle).Offset(10, 20);
  EXPECT_TRUE(moved.Contains({10, 20}));
  EXPECT_FALSE(moved.Contains({0, 0}));
  EXPECT_EQ(moved.Bounds(), (Rect{10, 20, 18, 28}));
}

// The region of a polygon and the canvas' fill of it must be the same pixel set, since tab
// controls hit-test with the one and paint with the other.
struct PolygonCase {
  const char* Name;
  std::vector<Point> Points;
};

class RegionMatchesFillTest : public CanvasTest,
                              public ::testing::WithParamInterface<PolygonCase> {};

TEST_P(RegionMatchesFillTest, ContainsIsTrueExactlyForFilledPixels) {
  Reset(32, 24);
  Canvas().SetPen({clBlack, 1, PenStyle::Clear});
  Canvas().SetBrush({clBlack, BrushStyle::Solid});
  Canvas().Polygon(GetParam().Points);
  const Region region = Region::FromPolygon(GetParam().Points);
  int filled = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 32; ++x) {
      const bool painted = At(x, y) == kBlack;
      filled += painted ? 1 : 0;
      EXPECT_EQ(region.Contains({x, y}), painted) << GetParam().Name << " at " << x << "," << y;
    }
  }
  EXPECT_GT(filled, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, RegionMatchesFillTest,
    ::testing::Values(PolygonCase{"tab", {{2, 20}, {2, 5}, {4, 3}, {25, 3}, {27, 5}, {27, 20}}},
                      PolygonCase{"triangle", {{1, 1}, {30, 9}, {7, 22}}},
                      PolygonCase{"diamond", {{15, 0}, {30, 11}, {15, 23}, {0, 11}}},
                      PolygonCase{"concave", {{0, 0}, {30, 0}, {30, 20}, {15, 6}, {0, 20}}},
                      PolygonCase{"pentagram", {{15, 0}, {24, 22}, {2, 8}, {29, 8}, {6, 22}}},
                      PolygonCase{"half pixel slopes", {{0, 0}, {3, 6}, {9, 18}, {31, 1}}}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = c == ' ' ? '_' : c;
      }
      return name;
    });

}  // namespace
}  // namespace orvanta::gfx
