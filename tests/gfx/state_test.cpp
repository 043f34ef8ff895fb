#include <gtest/gtest.h>

#include "canvas_test_fixture.h"

namespace orvanta::gfx {
namespace {

class StateTest : public CanvasTest {};

TEST_F(StateTest, RestoreBringsBackEverySavedSetting) {
  RasterCanvas& c = Canvas();
  const Pen pen{clRed, 2, PenStyle::Dot};
  const Brush brush{clBlue, BrushStyle::Clear};
  Font font;
  font.Name = "Verdana";
  font.Height = 14;
  font.Bold = true;
  font.TextColor = clGreen;
  c.SetOrigin({3, 4});
  c.IntersectClipRect({0, 0, 10, 8});
  c.SetPen(pen);
  c.SetBrush(brush);
  c.SetFont(font);
  c.SetBkColor(clYellow);
  c.SetBkMode(BackgroundMode::Transparent);
  const Rect clip = c.ClipBox();
  const int ascent = c.GetTextMetrics().Ascent;

  c.Save();
  c.SetOrigin({0, 0});
  c.IntersectClipRect({5, 5, 6, 6});
  c.SetPen({});
  c.SetBrush({});
  c.SetFont({});
  c.SetTextColor(clAqua);
  c.SetBkColor(clWhite);
  c.SetBkMode(BackgroundMode::Opaque);
  c.Restore();

  EXPECT_EQ(c.Origin(), (Point{3, 4}));
  EXPECT_EQ(c.ClipBox(), clip);
  EXPECT_EQ(c.GetPen(), pen);
  EXPECT_EQ(c.GetBrush(), brush);
  EXPECT_EQ(c.GetFont(), font);
  EXPECT_EQ(c.GetTextMetrics().Ascent, ascent);
  // Text colour, background colour and mode: seen through an opaque TextOut after restoring.
  c.TextOut(0, 0, "M");
  EXPECT_EQ(At(3, 4), kWhite);  // transparent: the cell's top rows keep the background
  EXPECT_EQ(At(3, 4 + 3), PixelFromRgbColor(clGreen));
}

TEST_F(StateTest, SaverRestoresAtScopeEndAndNestedSavesUnwindInOrder) {
  RasterCanvas& c = Canvas();
  {
    CanvasStateSaver outer(c);
    c.OffsetOrigin(2, 0);
    {
      CanvasStateSaver inner(c);
      c.OffsetOrigin(0, 5);
      EXPECT_EQ(c.Origin(), (Point{2, 5}));
    }
    EXPECT_EQ(c.Origin(), (Point{2, 0}));
  }
  EXPECT_EQ(c.Origin(), (Point{0, 0}));
  c.Restore();  // nothing saved: no effect
  EXPECT_EQ(c.Origin(), (Point{0, 0}));
}

TEST_F(StateTest, OriginShiftsAllDrawing) {
  Canvas().SetOrigin({5, 3});
  Canvas().FillRect({0, 0, 2, 2}, clBlack);
  Canvas().Line(-5, -3, -1, -3);
  EXPECT_EQ(At(5, 3), kBlack);
  EXPECT_EQ(At(6, 4), kBlack);
  EXPECT_EQ(At(4, 3), kWhite);
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(3, 0), kBlack);
  EXPECT_EQ(At(4, 0), kWhite);
  EXPECT_EQ(Canvas().GetPixel(0, 0), clBlack);
  EXPECT_EQ(Canvas().ClipBox(), (Rect{-5, -3, 19, 13}));
}

TEST_F(StateTest, SetFontTakesTheFontsTextColour) {
  Font font;
  font.TextColor = clBtnShadow;
  Canvas().SetTextColor(clRed);
  Canvas().SetFont(font);
  Canvas().SetBkMode(BackgroundMode::Transparent);
  Canvas().TextOut(0, 0, "M");
  EXPECT_EQ(At(0, 5), MakePixel(128, 128, 128));
}

TEST(TextlessCanvasTest, DrawsShapesAndIgnoresText) {
  const SystemPalette palette = SystemPalette::Classic();
  Bitmap bitmap(8, 4, 0xFFFFFF);
  RasterCanvas canvas(bitmap, palette);
  canvas.FillRect({0, 0, 2, 2}, clBtnShadow);
  canvas.TextOut(0, 0, "M");
  Rect r{0, 0, 8, 4};
  EXPECT_EQ(canvas.DrawText("M", r, kDtCalcRect), 0);
  EXPECT_EQ(canvas.TextExtent("M"), (Size{0, 0}));
  EXPECT_EQ(canvas.GetTextMetrics().Height, 0);
  EXPECT_EQ(bitmap.At(1, 1), MakePixel(128, 128, 128));
  EXPECT_EQ(bitmap.At(4, 1), Pixel{0xFFFFFF});
}

}  // namespace
}  // namespace orvanta::gfx
