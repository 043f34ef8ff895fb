// The raster canvas drawing text with glyphs from GDI, as the Windows build shows it.
#include <gtest/gtest.h>

#include "gfx/raster_canvas.h"
#include "platform/win32/gdi_glyph_source.h"

namespace orvanta::platform {
namespace {

constexpr gfx::Pixel kPaper = 0xFFFFFF;

struct Scene {
  explicit Scene(int width, int height) : Target(width, height, kPaper) {}

  gfx::Bitmap Target;
  GdiGlyphSource Glyphs;
  gfx::SystemPalette Palette = gfx::SystemPalette::Classic();
  gfx::RasterCanvas Canvas{Target, Glyphs, Palette};
};

// The bounding box of every pixel that is not paper; empty when there is none.
gfx::Rect InkBounds(const gfx::Bitmap& bitmap, const gfx::Rect& within) {
  gfx::Rect ink{within.Right, within.Bottom, within.Left, within.Top};
  for (int y = within.Top; y < within.Bottom; ++y) {
    for (int x = within.Left; x < within.Right; ++x) {
      if (bitmap.At(x, y) != kPaper) {
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
      }
    }
  }
  return ink.Left < ink.Right ? ink : gfx::Rect{};
}

gfx::Rect Whole(const gfx::Bitmap& bitmap) {
  return {0, 0, bitmap.Width(), bitmap.Height()};
}

void UseFont(gfx::Canvas& canvas, int height, int escapement = 0) {
  gfx::Font font;
  font.Name = "Arial";
  font.Height = height;
  font.TextColor = gfx::clBlack;
  font.Escapement = escapement;
  canvas.SetFont(font);
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
}

TEST(GdiCanvasText, CaptionsInkOnlyInsideTheirRectangles) {
  const struct {
    const char* text;
    gfx::Rect rect;
  } cases[] = {
      {"刷新(&R)", {10, 20, 90, 40}},
      {" Windows已运行时间:", {6, 6, 127, 20}},  // the uptime label's 121 x 14
  };
  for (const auto& c : cases) {
    Scene scene(140, 60);
    UseFont(scene.Canvas, 11);
    gfx::Rect rect = c.rect;
    scene.Canvas.DrawText(c.text, rect, gfx::kDtLeft | gfx::kDtSingleLine);
    const gfx::Rect ink = InkBounds(scene.Target, Whole(scene.Target));
    ASSERT_FALSE(ink.IsEmpty()) << c.text;
    EXPECT_GE(ink.Left, c.rect.Left) << c.text;
    EXPECT_GE(ink.Top, c.rect.Top) << c.text;
    EXPECT_LE(ink.Right, c.rect.Right) << c.text;
    EXPECT_LE(ink.Bottom, c.rect.Bottom) << c.text;
  }
}

TEST(GdiCanvasText, ChineseGlyphsCarryInk) {
  Scene scene(60, 30);
  UseFont(scene.Canvas, 11);
  // The two characters of "刷新", each about one em wide, come first.
  scene.Canvas.TextOut(4, 8, "刷新");
  const gfx::Rect ink = InkBounds(scene.Target, Whole(scene.Target));
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Width(), 16);
  EXPECT_GE(ink.Height(), 8);
  EXPECT_FALSE(InkBounds(scene.Target, {4, 0, 14, 30}).IsEmpty());   // 刷
  EXPECT_FALSE(InkBounds(scene.Target, {16, 0, 26, 30}).IsEmpty());  // 新
}

TEST(GdiCanvasText, NothingOutsideTheClip) {
  Scene scene(120, 30);
  UseFont(scene.Canvas, 11);
  scene.Canvas.IntersectClipRect({0, 0, 40, 30});
  scene.Canvas.TextOut(2, 8, "Windows已运行时间:");
  EXPECT_FALSE(InkBounds(scene.Target, {0, 0, 40, 30}).IsEmpty());
  EXPECT_TRUE(InkBounds(scene.Target, {40, 0, 120, 30}).IsEmpty());
}

// The chart's axis title is turned a quarter left: its first character sits lowest.
TEST(GdiCanvasText, RotatedTitleReadsUpwards) {
  Scene whole(40, 100);
  Scene first(40, 100);
  UseFont(whole.Canvas, 11, 900);
  UseFont(first.Canvas, 11, 900);
  whole.Canvas.TextOut(10, 90, "(小时)");
  first.Canvas.TextOut(10, 90, "(");
  const gfx::Rect all = InkBounds(whole.Target, Whole(whole.Target));
  const gfx::Rect opening = InkBounds(first.Target, Whole(first.Target));
  ASSERT_FALSE(all.IsEmpty());
  ASSERT_FALSE(opening.IsEmpty());
  EXPECT_GT(all.Height(), all.Width());
  EXPECT_GE(all.Height(), 22);  // two Chinese characters and two parentheses
  EXPECT_LE(all.Bottom, 90);
  EXPECT_GE(opening.Top, all.Bottom - 8);
}

}  // namespace
}  // namespace orvanta::platform
