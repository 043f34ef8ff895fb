// A window for the X11 smoke test: a label and a list. It prints what happens and exits 0
// only when a key moved the list's selection, a click landed on the list, and the window was
// closed through the window manager's close request.
#include <cstdio>

#include "gfx/color.h"
#include "platform/posix/freetype_glyph_source.h"
#include "platform/posix/x11_host.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/raster_canvas_factory.h"

using namespace orvanta;

int main() {
  std::unique_ptr<platform::X11Host> host = platform::X11Host::Connect();
  if (!host) {
    std::fprintf(stderr, "x11_smoke: %s\n", platform::X11Host::FailureReason().c_str());
    return 3;
  }
  platform::FreeTypeGlyphSource glyphs;
  const gfx::SystemPalette palette = gfx::SystemPalette::Classic();
  ui::Application app(*host, ui::RasterCanvasFactory(glyphs, palette));

  ui::Form form(app);
  form.SetCaption("Orvanta smoke 冒烟测试");
  form.SetClientSize(320, 240);
  form.SetPlacement(ui::FormPlacement::DesktopCenter);
  app.SetMainForm(form);
  ui::Label& label = form.Add<ui::Label>();
  label.MoveTo(8, 8);
  label.SetCaption("&List:");
  ui::ListView& list = form.Add<ui::ListView>();
  list.SetBounds(8, 28, 304, 200);
  list.SetGridLines(true);
  list.SetHideSelection(false);
  list.Model().AddColumn({"名称", 120});
  list.Model().AddColumn({.Caption = "值", .Width = 50, .FillsRest = true});
  for (int i = 0; i < 30; ++i) {
    ui::ListItem& item = list.Model().AddItem();
    item.SetCaption("行 " + std::to_string(i));
    item.SetSubItems({std::to_string(i * i)});
  }
  label.SetFocusControl(&list);

  bool keySelected = false;
  bool clicked = false;
  bool closeAsked = false;
  list.OnSelectItem = [&] {
    std::printf("selected %d\n", list.Selected());
    if (!clicked && list.Selected() == 0) {
      keySelected = true;
    }
  };
  list.OnClick = [&] {
    std::printf("clicked\n");
    clicked = true;
  };
  form.OnClose = [&](ui::CloseAction&) {
    std::printf("close requested\n");
    closeAsked = true;
  };
  form.OnShow = [] { std::printf("shown\n"); };
  std::fflush(stdout);
  app.Run();
  std::printf("key %d click %d close %d\n", keySelected, clicked, closeAsked);
  return keySelected && clicked && closeAsked ? 0 : 4;
}
