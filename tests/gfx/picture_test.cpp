#include <gtest/gtest.h>

#include "canvas_test_fixture.h"

namespace orvanta::gfx {
namespace {

class PictureTest : public CanvasTest {
 protected:
  void SetUp() override { Reset(10, 8); }

  // A source whose pixel (x, y) has the value y * 16 + x, easy to trace after a copy.
  static Bitmap Numbered(int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        b.At(x, y) = static_cast<Pixel>(y * 16 + x);
      }
    }
    return b;
  }
};

TEST_F(PictureTest, DrawBitmapCopiesTheSourceRectangle) {
  const Bitmap source = Numbered(6, 5);
  Canvas().DrawBitmap(2, 1, source, {1, 2, 4, 4});
  EXPECT_EQ(At(2, 1), Pixel{2 * 16 + 1});
  EXPECT_EQ(At(4, 2), Pixel{3 * 16 + 3});
  EXPECT_EQ(InkBounds(), (Rect{2, 1, 5, 3}));
}

TEST_F(PictureTest, DrawBitmapClipsToSourceSurfaceAndClip) {
  const Bitmap source = Numbered(6, 6);
  Canvas().IntersectClipRect({0, 0, 10, 3});
  // The source rectangle reaches past the source's top-left; only real pixels are copied,
  // at the place they would have had.
  Canvas().DrawBitmap(-1, 0, source, {-2, -1, 6, 6});
  EXPECT_EQ(At(1, 1), Pixel{0});
  EXPECT_EQ(At(6, 2), Pixel{1 * 16 + 5});
  EXPECT_EQ(At(1, 3), kWhite);
  EXPECT_EQ(At(0, 1), kWhite);
  EXPECT_EQ(At(7, 1), kWhite);
}

TEST_F(PictureTest, DrawBitmapWithinTheSameBitmapHandlesOverlap) {
  m_bitmap = Numbered(10, 8);
  Canvas().DrawBitmap(0, 1, m_bitmap, {0, 0, 10, 7});  // scroll down by one row
  for (int y = 1; y < 8; ++y) {
    EXPECT_EQ(At(3, y), static_cast<Pixel>((y - 1) * 16 + 3)) << y;
  }
  Canvas().DrawBitmap(0, 0, m_bitmap, {1, 0, 10, 8});  // and left by one column
  EXPECT_EQ(At(0, 1), Pixel{1});
  EXPECT_EQ(At(8, 7), Pixel{6 * 16 + 9});
}

Image OnePixelImage(std::uint32_t argb) {
  return Image{1, 1, {argb}};
}

struct AlphaCase {
  const char* Name;
  std::uint32_t Argb;
  ImageDrawStyle Style;
  Pixel Expected;  // over white
};

class ImageAlphaTest : public PictureTest, public ::testing::WithParamInterface<AlphaCase> {};

TEST_P(ImageAlphaTest, BlendsStraightAlphaOverTheBackground) {
  Canvas().DrawImage(3, 2, OnePixelImage(GetParam().Argb), GetParam().Style);
  EXPECT_EQ(At(3, 2), GetParam().Expected) << GetParam().Name;
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, ImageAlphaTest,
    ::testing::Values(
        AlphaCase{"opaque", 0xFF102030, ImageDrawStyle::Normal, 0x102030},
        AlphaCase{"transparent", 0x00102030, ImageDrawStyle::Normal, 0xFFFFFF},
        AlphaCase{"half", 0x80000000, ImageDrawStyle::Normal, MakePixel(127, 127, 127)},
        AlphaCase{"quarter red", 0x40FF0000, ImageDrawStyle::Normal, MakePixel(255, 191, 191)},
        // Disabled: luminance lifted into light grey; black becomes mid grey, white stays.
        AlphaCase{"disabled black", 0xFF000000, ImageDrawStyle::Disabled, 0x808080},
        AlphaCase{"disabled white", 0xFFFFFFFF, ImageDrawStyle::Disabled, 0xFFFFFF},
        AlphaCase{"disabled red", 0xFFFF0000, ImageDrawStyle::Disabled, 0xA6A6A6},
        AlphaCase{"disabled transparent", 0x00000000, ImageDrawStyle::Disabled, 0xFFFFFF}),
    [](const auto& info) {
      std::string name = info.param.Name;
      for (char& c : name) {
        c = c == ' ' ? '_' : c;
      }
      return name;
    });

TEST_F(PictureTest, DisabledImageKeepsShapeAndLosesColour) {
  Image image{2, 1, {0xFF0000FF, 0xFF00FF00}};
  Canvas().DrawImage(0, 0, image, ImageDrawStyle::Disabled);
  for (int x = 0; x < 2; ++x) {
    const Pixel p = At(x, 0);
    EXPECT_EQ(PixelR(p), PixelG(p));
    EXPECT_EQ(PixelG(p), PixelB(p));
    EXPECT_GE(PixelR(p), 128u);
  }
  EXPECT_LT(PixelR(At(0, 0)), PixelR(At(1, 0)));  // blue is darker than green
}

TEST_F(PictureTest, ImageIsClippedAndShortPixelArraysDrawOnlyTheirRows) {
  Image image{4, 4, std::vector<std::uint32_t>(6, 0xFF000000)};  // one and a half rows
  Canvas().IntersectClipRect({0, 0, 10, 8});
  Canvas().DrawImage(8, 3, image, ImageDrawStyle::Normal);
  EXPECT_EQ(InkBounds(), (Rect{8, 3, 10, 4}));
  Canvas().DrawImage(0, 0, Image{0, 5, {}}, ImageDrawStyle::Normal);
}

}  // namespace
}  // namespace orvanta::gfx
