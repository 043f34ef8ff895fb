#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gfx/color.h"
#include "gfx/png_writer.h"
#include "platform/posix/freetype_glyph_source.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/raster_canvas_factory.h"
#include "ui/support/headless_host.h"

namespace orvanta::ui::testing {

// A headless application that paints with the raster canvas and the system's fonts, and
// helpers to probe and keep what a window shows.
struct RenderFixture {
  RenderFixture() : App(Host, RasterCanvasFactory(Glyphs, Palette)) {}

  void ShowAndSettle(Form& form) {
    form.Show();
    App.ProcessMessages();
  }
  const gfx::Bitmap& Screen(const Form& form) const { return Host.State(form.Window()).Screen; }
  gfx::Color At(const Form& form, int x, int y) const {
    return gfx::RgbColorFromPixel(Screen(form).At(x, y));
  }
  gfx::Color Rgb(gfx::Color c) const { return Palette.ToRgb(c); }
  // Writes what the window shows to <build>/render/ui_<name>.png for a person to look at.
  void Save(const Form& form, const std::string& name) const {
    const std::filesystem::path dir = std::filesystem::path(ORVANTA_BINARY_DIR) / "render";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(gfx::WritePng(Screen(form), (dir / ("ui_" + name + ".png")).string()));
  }
  // The rightmost column in rows [top, bottom) of r whose pixel differs from background, or
  // r.Left - 1 when there is none.
  int RightmostInk(const Form& form, const gfx::Rect& r, gfx::Color background) const {
    for (int x = r.Right - 1; x >= r.Left; --x) {
      for (int y = r.Top; y < r.Bottom; ++y) {
        if (At(form, x, y) != Rgb(background)) {
          return x;
        }
      }
    }
    return r.Left - 1;
  }

  HeadlessHost Host;
  platform::FreeTypeGlyphSource Glyphs;
  gfx::SystemPalette Palette = gfx::SystemPalette::Classic();
  Application App;
};

}  // namespace orvanta::ui::testing
