#include "app/program.h"

#include "app/form_orvanta.h"
#include "ui/application.h"
#include "ui/raster_canvas_factory.h"

namespace orvanta::app {

int RunProgram(PlatformServices& services) {
  ui::Application app(services.Host, ui::RasterCanvasFactory(services.Glyphs, services.Palette));
  TFormOrvanta form(app, services);
  app.SetMainForm(form);
  app.Run();
  return 0;
}

}  // namespace orvanta::app
