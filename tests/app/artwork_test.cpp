#include "app/artwork.h"

#include <gtest/gtest.h>

namespace orvanta::app {
namespace {

struct Rgb {
  unsigned R, G, B, A;
};

Rgb At(const gfx::Image& image, int x, int y) {
  std::uint32_t p = image.Argb.at(static_cast<std::size_t>(y * image.Width + x));
  return {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF, p >> 24};
}

TEST(Artwork, ToolbarGlyphsAre32PixelsWithTransparentCorners) {
  for (ToolbarGlyph g : {ToolbarGlyph::Refresh, ToolbarGlyph::Help, ToolbarGlyph::About,
                         ToolbarGlyph::Upgrade, ToolbarGlyph::HomePage, ToolbarGlyph::Exit}) {
    gfx::Image image = PaintToolbarGlyph(g);
    ASSERT_EQ(image.Width, 32);
    ASSERT_EQ(image.Height, 32);
    ASSERT_EQ(image.Argb.size(), 32u * 32u);
    EXPECT_EQ(At(image, 0, 0).A, 0u) << static_cast<int>(g);
    int opaque = 0;
    for (std::uint32_t p : image.Argb) {
      opaque += (p >> 24) == 255 ? 1 : 0;
    }
    EXPECT_GT(opaque, 100) << "glyph " << static_cast<int>(g) << " has little ink";
  }
}

TEST(Artwork, StateImagesAreGreenAndOrangeRoundedSquares) {
  gfx::Image normal = PaintStateImage(StateImage::Normal);
  gfx::Image abnormal = PaintStateImage(StateImage::Abnormal);
  ASSERT_EQ(normal.Width, 16);
  ASSERT_EQ(abnormal.Height, 16);
  Rgb g = At(normal, 8, 8);
  EXPECT_GT(g.G, g.R + 60);
  EXPECT_GT(g.G, g.B + 60);
  Rgb o = At(abnormal, 8, 8);
  EXPECT_GT(o.R, 200u);
  EXPECT_GT(o.G, 100u);
  EXPECT_LT(o.B, 80u);
  // Rounded: the corner pixel is left (nearly) transparent while the edge middle is solid.
  EXPECT_LT(At(normal, 1, 1).A, 128u);
  EXPECT_EQ(At(normal, 8, 2).A, 255u);
}

TEST(Artwork, ProgramIconScalesToTheRequestedSize) {
  for (int size : {16, 32, 48}) {
    gfx::Image icon = PaintProgramIcon(size);
    EXPECT_EQ(icon.Width, size);
    EXPECT_EQ(icon.Argb.size(), static_cast<std::size_t>(size * size));
    EXPECT_EQ(At(icon, size / 2, size / 2).A, 255u);
  }
}

}  // namespace
}  // namespace orvanta::app
