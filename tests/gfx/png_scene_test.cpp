// Renders a few scenes with the box glyphs and saves them as PNG files under the build folder,
// for a person to look at; the assertions only check that the files were written whole.
#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "canvas_test_fixture.h"
#include "gfx/png_writer.h"

namespace orvanta::gfx {
namespace {

std::string SceneDir() {
  const std::filesystem::path dir = std::filesystem::path(ORVANTA_BINARY_DIR) / "scenes" / "gfx";
  std::filesystem::create_directories(dir);
  return dir.string();
}

// Reads a PNG back; returns its size, or 0 x 0 when it cannot be read.
Size ReadPngSize(const std::string& path, std::vector<png_byte>& rgb) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
    return {};
  }
  image.format = PNG_FORMAT_RGB;
  rgb.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
    return {};
  }
  return {static_cast<int>(image.width), static_cast<int>(image.height)};
}

class PngSceneTest : public CanvasTest {
 protected:
  void Save(const std::string& name) {
    const std::string path = SceneDir() + "/" + name + ".png";
    ASSERT_TRUE(WritePng(m_bitmap, path));
    std::vector<png_byte> rgb;
    ASSERT_EQ(ReadPngSize(path, rgb), m_bitmap.GetSize());
    // Spot-check one pixel per row against the bitmap.
    for (int y = 0; y < m_bitmap.Height(); ++y) {
      const int x = (y * 7) % m_bitmap.Width();
      const std::size_t i = (static_cast<std::size_t>(y) * m_bitmap.Width() + x) * 3;
      EXPECT_EQ(MakePixel(rgb[i], rgb[i + 1], rgb[i + 2]), At(x, y)) << name << " row " << y;
    }
  }
};

TEST_F(PngSceneTest, AxesWithRotatedTitle) {
  Reset(240, 160);
  RasterCanvas& c = Canvas();
  c.FillRect({0, 0, 240, 160}, clWhite);
  c.SetPen({clBtnHighlight, 1, PenStyle::Solid});
  c.Line(0, 159, 0, 0);
  c.LineTo(239, 0);
  c.SetPen({clBtnShadow, 1, PenStyle::Solid});
  c.Line(239, 0, 239, 159);
  c.LineTo(-1, 159);
  c.SetPen({clBlack, 1, PenStyle::Solid});
  c.SetBrush({clWhite, BrushStyle::Clear});
  c.Rectangle({40, 10, 231, 131});
  const Color colours[] = {clRed, clGreen, clYellow, clBlue, clWhite, clGray, clFuchsia};
  for (int i = 0; i < 7; ++i) {
    c.SetBrush({colours[i], BrushStyle::Solid});
    c.Rectangle({50 + i * 25, 130 - (i + 1) * 14, 68 + i * 25, 131});
  }
  c.SetPen({clBlack, 2, PenStyle::Solid});
  c.Line(40, 10, 40, 130);
  c.Line(40, 130, 230, 130);
  Font font;
  font.Height = 11;
  font.TextColor = clBlack;
  font.Escapement = 900;
  c.SetFont(font);
  c.SetBkMode(BackgroundMode::Transparent);
  const Size title = c.TextExtent("(\xE5\xB0\x8F\xE6\x97\xB6)");
  c.TextOut(8, 70 + title.Width / 2, "(\xE5\xB0\x8F\xE6\x97\xB6)");
  font.Escapement = 0;
  c.SetFont(font);
  Rect label{40, 136, 230, 156};
  c.DrawText("2024-05-01", label, kDtCenter | kDtSingleLine);
  Save("axes");
}

TEST_F(PngSceneTest, TabsClippedByPolygons) {
  Reset(200, 80);
  RasterCanvas& c = Canvas();
  c.FillRect({0, 0, 200, 80}, clBtnFace);
  for (int i = 0; i < 2; ++i) {
    const int left = 4 + i * 60;
    const std::vector<Point> shape{{left, 23},     {left, 5},      {left + 2, 3},
                                   {left + 56, 3}, {left + 58, 5}, {left + 58, 23}};
    CanvasStateSaver saver(c);
    c.IntersectClipRegion(Region::FromPolygon(shape));
    c.FillRect({left, 3, left + 58, 23}, i == 0 ? clWhite : clSilver);
    c.FillRect({left - 1, 2, left + 59, 7}, RGB(240, 155, 20));
    Font font;
    font.Height = 11;
    font.Bold = true;
    font.TextColor = clBlue;
    c.SetFont(font);
    c.SetBkMode(BackgroundMode::Transparent);
    Rect caption{left, 8, left + 58, 23};
    c.DrawText(i == 0 ? "&Log" : "C&hart", caption, kDtCenter | kDtSingleLine);
  }
  c.FillRect({0, 23, 198, 78}, clWhite);
  c.SetPen({clBtnShadow, 1, PenStyle::Solid});
  c.SetBrush({clWhite, BrushStyle::Clear});
  c.Rectangle({0, 23, 198, 78});
  c.DrawFocusRect({10, 30, 100, 50});
  Save("tabs");
}

TEST_F(PngSceneTest, TextAndImages) {
  Reset(160, 96);
  RasterCanvas& c = Canvas();
  Font font;
  font.Height = 12;
  font.TextColor = clWindowText;
  c.SetFont(font);
  c.SetBkMode(BackgroundMode::Opaque);
  c.SetBkColor(clInfoBk);
  Rect box{4, 4, 100, 60};
  c.DrawText("Words wrap at spaces, and a very long line ends in an ellipsis", box,
             kDtWordBreak | kDtEndEllipsis);
  Image image{16, 16, std::vector<std::uint32_t>(256)};
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const unsigned alpha = static_cast<unsigned>((x + y) * 255 / 30);
      image.Argb[static_cast<std::size_t>(y * 16 + x)] = (alpha << 24) | 0x00FF4020u;
    }
  }
  c.DrawImage(110, 8, image, ImageDrawStyle::Normal);
  c.DrawImage(134, 8, image, ImageDrawStyle::Disabled);
  Save("text_images");
}

}  // namespace
}  // namespace orvanta::gfx
