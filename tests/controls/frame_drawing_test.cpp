#include "controls/frame_drawing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "distinct_palette.h"
#include "test_surface.h"

namespace orvanta::controls {
namespace {

using gfx::Rect;
using test::WithMargin;
using testing_support::kBackground;
using testing_support::kLegend;
using testing_support::TestSurface;

const gfx::SystemPalette kPalette = testing_support::DistinctPalette();
constexpr TSides kAll = TSides::All();

struct FrameCase {
  const char* Name;
  TFrameStyleEx Style;
  TSides Sides;
  gfx::Color FlatColor;
  std::vector<std::string> Rows;  // the frame's rectangle, 6 x 5 unless the rows say otherwise
  Rect Inner;                     // relative to the rectangle's top-left
};

class FramePixels : public testing::TestWithParam<FrameCase> {};

// The frame is drawn one pixel in from the bitmap's edges: the margin must stay untouched.
TEST_P(FramePixels, MatchPicture) {
  const FrameCase& c = GetParam();
  int width = static_cast<int>(c.Rows.front().size());
  int height = static_cast<int>(c.Rows.size());
  TestSurface surface(kPalette, width + 2, height + 2, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  Rect rect = Rect::FromSize(1, 1, width, height);
  Rect inner = DrawFrameSides(canvas, rect, c.Style, c.Sides, c.FlatColor);
  EXPECT_EQ(test::Picture(surface.Pixels(), kLegend), WithMargin(c.Rows));
  EXPECT_EQ(inner, c.Inner.Offset(1, 1));
}

INSTANTIATE_TEST_SUITE_P(
    AllSides, FramePixels,
    testing::Values(FrameCase{"None",
                              fsNone,
                              kAll,
                              gfx::AutoColor,
                              {"......", "......", "......", "......", "......"},
                              {0, 0, 6, 5}},
                    FrameCase{"FlatDefault",
                              fsFlat,
                              kAll,
                              gfx::AutoColor,
                              {"DDDDDD", "D....D", "D....D", "D....D", "DDDDDD"},
                              {1, 1, 5, 4}},
                    FrameCase{"FlatGivenColour",
                              fsFlat,
                              kAll,
                              gfx::RGB(159, 159, 159),
                              {"GGGGGG", "G....G", "G....G", "G....G", "GGGGGG"},
                              {1, 1, 5, 4}},
                    FrameCase{"Status",
                              fsStatus,
                              kAll,
                              gfx::AutoColor,
                              {"SSSSSH", "S....H", "S....H", "S....H", "HHHHHH"},
                              {1, 1, 5, 4}},
                    FrameCase{"Popup",
                              fsPopup,
                              kAll,
                              gfx::AutoColor,
                              {"HHHHHS", "H....S", "H....S", "H....S", "SSSSSS"},
                              {1, 1, 5, 4}},
                    FrameCase{"Groove",
                              fsGroove,
                              kAll,
                              gfx::AutoColor,
                              {"SSSSSH", "SHHHSH", "SH..SH", "SSSSSH", "HHHHHH"},
                              {2, 2, 4, 3}},
                    FrameCase{"Bump",
                              fsBump,
                              kAll,
                              gfx::AutoColor,
                              {"HHHHHS", "HSSSHS", "HS..HS", "HHHHHS", "SSSSSS"},
                              {2, 2, 4, 3}},
                    FrameCase{"Lowered",
                              fsLowered,
                              kAll,
                              gfx::AutoColor,
                              {"SSSSSH", "SDDDLH", "SD..LH", "SLLLLH", "HHHHHH"},
                              {2, 2, 4, 3}},
                    FrameCase{"Raised",
                              fsRaised,
                              kAll,
                              gfx::AutoColor,
                              {"LLLLLD", "LHHHSD", "LH..SD", "LSSSSD", "DDDDDD"},
                              {2, 2, 4, 3}},
                    FrameCase{"ButtonUp",
                              fsButtonUp,
                              kAll,
                              gfx::AutoColor,
                              {"HHHHHD", "HLLLSD", "HL..SD", "HSSSSD", "DDDDDD"},
                              {2, 2, 4, 3}},
                    FrameCase{"ButtonDown",
                              fsButtonDown,
                              kAll,
                              gfx::AutoColor,
                              {"KKKKKK", "KSSSSK", "KS..SK", "KSSSSK", "KKKKKK"},
                              {2, 2, 4, 3}},
                    FrameCase{"FlatBoldDefault",
                              fsFlatBold,
                              kAll,
                              gfx::AutoColor,
                              {"SSSSSS", "SSSSSS", "SS..SS", "SSSSSS", "SSSSSS"},
                              {2, 2, 4, 3}},
                    FrameCase{"FlatRounded",
                              fsFlatRounded,
                              kAll,
                              gfx::AutoColor,
                              {".SSSS.", "SS..SS", "S....S", "SS..SS", ".SSSS."},
                              {1, 1, 5, 4}}),
    [](const testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.Name); });

INSTANTIATE_TEST_SUITE_P(
    SomeSides, FramePixels,
    testing::Values(
        // The toolbar's divider: a shadow line above a highlight line, full width.
        FrameCase{"GrooveTop",
                  fsGroove,
                  {sdTop},
                  gfx::AutoColor,
                  {"SSSSSS", "HHHHHH", "......", "......"},
                  {0, 2, 6, 4}},
        FrameCase{"GrooveTopBottom",
                  fsGroove,
                  {sdTop, sdBottom},
                  gfx::AutoColor,
                  {"SSSSSS", "HHHHHH", "......", "SSSSSS", "HHHHHH"},
                  {0, 2, 6, 3}},
        FrameCase{"GrooveLeft",
                  fsGroove,
                  {sdLeft},
                  gfx::AutoColor,
                  {"SH..", "SH..", "SH..", "SH.."},
                  {2, 0, 4, 4}},
        FrameCase{"GrooveRight",
                  fsGroove,
                  {sdRight},
                  gfx::AutoColor,
                  {"..SH", "..SH", "..SH", "..SH"},
                  {0, 0, 2, 4}},
        FrameCase{"GrooveLeftTop",
                  fsGroove,
                  {sdLeft, sdTop},
                  gfx::AutoColor,
                  {"SSSSSS", "SHHHHH", "SH....", "SH....", "SH...."},
                  {2, 2, 6, 5}},
        FrameCase{"GrooveRightBottom",
                  fsGroove,
                  {sdRight, sdBottom},
                  gfx::AutoColor,
                  {"....SH", "....SH", "....SH", "SSSSSH", "HHHHHH"},
                  {0, 0, 4, 3}},
        FrameCase{"StatusLeftTop",
                  fsStatus,
                  {sdLeft, sdTop},
                  gfx::AutoColor,
                  {"SSSSSS", "S.....", "S.....", "S....."},
                  {1, 1, 6, 4}},
        FrameCase{"PopupRightBottom",
                  fsPopup,
                  {sdRight, sdBottom},
                  gfx::AutoColor,
                  {".....S", ".....S", "SSSSSS"},
                  {0, 0, 5, 2}},
        FrameCase{"RaisedRightBottom",
                  fsRaised,
                  {sdRight, sdBottom},
                  gfx::AutoColor,
                  {"....SD", "....SD", "....SD", "SSSSSD", "DDDDDD"},
                  {0, 0, 4, 3}},
        FrameCase{"LoweredTop",
                  fsLowered,
                  {sdTop},
                  gfx::AutoColor,
                  {"SSSSSS", "DDDDDD", "......"},
                  {0, 2, 6, 3}},
        FrameCase{"FlatRoundedLeftTop",
                  fsFlatRounded,
                  {sdLeft, sdTop},
                  gfx::AutoColor,
                  {".SSSSS", "SS....", "S.....", "S....."},
                  {1, 1, 6, 4}},
        FrameCase{"FlatRoundedTop",
                  fsFlatRounded,
                  {sdTop},
                  gfx::AutoColor,
                  {"SSSSSS", "......"},
                  {0, 1, 6, 2}},
        FrameCase{"NoSides", fsRaised, {}, gfx::AutoColor, {"....", "...."}, {0, 0, 4, 2}}),
    [](const testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.Name); });

class FrameOnTinyRect : public testing::TestWithParam<int> {};

// Frames on rectangles smaller than themselves stay inside them.
TEST_P(FrameOnTinyRect, DrawsNothingOutside) {
  auto style = static_cast<TFrameStyleEx>(GetParam());
  for (int size = 0; size <= 3; ++size) {
    TestSurface surface(kPalette, 9, 9, kBackground);
    gfx::Canvas& canvas = surface.Canvas();
    Rect rect = Rect::FromSize(3, 3, size, size);
    DrawFrameSides(canvas, rect, style, kAll, gfx::AutoColor);
    for (int y = 0; y < 9; ++y) {
      for (int x = 0; x < 9; ++x) {
        if (!rect.Contains({x, y})) {
          EXPECT_EQ(surface.Pixels().At(x, y), gfx::PixelFromRgbColor(kBackground))
              << "style " << GetParam() << " size " << size << " at " << x << "," << y;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, FrameOnTinyRect, testing::Range(0, fsFlatRounded + 1));

TEST(DrawFrameSides, FollowsTheCanvasOrigin) {
  TestSurface surface(kPalette, 8, 7, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  canvas.SetOrigin({1, 1});
  Rect inner = DrawFrameSides(canvas, Rect::FromSize(0, 0, 6, 5), fsStatus, kAll);
  EXPECT_EQ(inner, (Rect{1, 1, 5, 4}));
  EXPECT_EQ(test::Picture(surface.Pixels(), kLegend),
            WithMargin({"SSSSSH", "S....H", "S....H", "S....H", "HHHHHH"}));
}

TEST(FrameTables, MatchTheFrameWidths) {
  TestSurface surface(kPalette, 20, 20, kBackground);
  gfx::Canvas& canvas = surface.Canvas();
  for (int style = fsNone; style <= fsFlatRounded; ++style) {
    Rect rect = DrawFrameSides(canvas, Rect{0, 0, 20, 20}, static_cast<TFrameStyleEx>(style), kAll);
    int width = kFrameWidths[static_cast<std::size_t>(style)];
    EXPECT_EQ(rect, (Rect{width, width, 20 - width, 20 - width})) << style;
  }
}

}  // namespace
}  // namespace orvanta::controls
