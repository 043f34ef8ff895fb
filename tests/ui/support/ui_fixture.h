#pragma once

#include <memory>

#include "gfx/color.h"
#include "support/recording_canvas.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/support/headless_host.h"

namespace orvanta::ui::testing {

using test::DrawLog;

// A headless application whose forms paint on recording canvases.
struct UiFixture {
  UiFixture()
      : Log(std::make_shared<DrawLog>()), App(Host, [this](gfx::Bitmap& bitmap) {
          return std::make_unique<test::RecordingCanvas>(bitmap, Palette, Log);
        }) {}

  // Shows a form and serves the loop until it has painted.
  void ShowAndSettle(Form& form) {
    form.Show();
    App.ProcessMessages();
  }

  HeadlessHost Host;
  gfx::SystemPalette Palette = gfx::SystemPalette::Classic();
  std::shared_ptr<DrawLog> Log;
  Application App;
};

}  // namespace orvanta::ui::testing
