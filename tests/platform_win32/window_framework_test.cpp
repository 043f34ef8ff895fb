// The window framework on the Win32 host: a small form with a label, a list and a timer, shown
// in a real window, drawn with GDI glyphs, read back from the screen and closed by the system's
// close request.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/gdi_glyph_source.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_system_palette.h"
#include "platform/win32/win32_window_host.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/raster_canvas_factory.h"
#include "ui/timer.h"

namespace orvanta::platform {
namespace {

gfx::Pixel ScreenPixel(HWND hwnd, int x, int y) {
  WindowDc dc(hwnd);
  return gfx::PixelFromRgbColor(GetPixel(dc.Get(), x, y));
}

// Pixels of the rectangle (client pixels) that are not the given colour.
int CountOther(HWND hwnd, const gfx::Rect& r, gfx::Pixel colour) {
  int count = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      count += ScreenPixel(hwnd, x, y) != colour ? 1 : 0;
    }
  }
  return count;
}

struct TestForm {
  explicit TestForm(ui::Application& app) : Form(app), Ticker(app) {
    Form.SetCaption("Orvanta 窗口测试");
    Form.SetClientSize(320, 240);
    Form.SetPlacement(ui::FormPlacement::DesktopCenter);
    Form.SetFont(gfx::Font{"Arial", 11});
    app.SetMainForm(Form);
    Label = &Form.Add<ui::Label>();
    Label->MoveTo(8, 8);
    Label->SetCaption("开机/关机日志");
    List = &Form.Add<ui::ListView>();
    List->SetBounds(8, 40, 304, 192);
    List->SetGridLines(true);
    List->Model().AddColumn({"开机时间", 150});
    List->Model().AddColumn({.Caption = "信息", .Width = 50, .FillsRest = true});
    for (const char* boot : {"2024-05-01", "2024-05-02", "2024-05-03"}) {
      ui::ListItem& item = List->Model().AddItem();
      item.SetCaption(boot);
      item.AddSubItem("正常关机");
    }
    Ticker.SetInterval(100);
    Ticker.OnTimer = [this] { Label->SetCaption(std::to_string(++Ticks) + " ticks"); };
    Ticker.SetEnabled(true);
  }

  ui::Form Form;
  ui::Label* Label = nullptr;
  ui::ListView* List = nullptr;
  ui::Timer Ticker;
  int Ticks = 0;
};

TEST(Win32WindowFramework, AFormShowsTicksAndClosesOnTheSystemsRequest) {
  std::unique_ptr<Win32WindowHost> host = Win32WindowHost::Create(GetModuleHandleW(nullptr));
  ASSERT_NE(host, nullptr);
  GdiGlyphSource glyphs;
  const gfx::SystemPalette palette = Win32SystemPalette();
  ui::Application app(*host, ui::RasterCanvasFactory(glyphs, palette));
  TestForm test(app);

  test.Form.Show();
  app.RunUntil([&] { return test.Ticks >= 3; });
  app.ProcessMessages();
  const HWND hwnd = host->NativeWindow(test.Form.Window());
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(test.Label->Caption(), "3 ticks");

  // The screen shows the painted frame: the form's face, the list's white rows, and ink.
  const gfx::Pixel face = palette.ToPixel(gfx::clBtnFace);
  const gfx::Pixel window = palette.ToPixel(gfx::clWindow);
  EXPECT_EQ(ScreenPixel(hwnd, 2, 2), face);
  EXPECT_EQ(ScreenPixel(hwnd, 316, 236), face);
  EXPECT_EQ(ScreenPixel(hwnd, 290, 220), window);
  EXPECT_GT(CountOther(hwnd, test.Label->BoundsInForm(), face), 10);
  for (int y = 0; y < 240; y += 8) {
    const gfx::Point p{160, y};
    EXPECT_EQ(ScreenPixel(hwnd, p.X, p.Y), test.Form.Frame().At(p.X, p.Y)) << "at y " << y;
  }

  // The close box sends WM_CLOSE: the main form closes and the loop ends.
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  app.Run();
  EXPECT_TRUE(app.Terminated());
  EXPECT_FALSE(IsWindowVisible(hwnd));
}

}  // namespace
}  // namespace orvanta::platform
