#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "app/form_orvanta.h"
#include "app/main_window_harness.h"
#include "support/box_glyph_source.h"
#include "ui/support/ui_fixture.h"

namespace orvanta::app::testing {

// The main window on the headless host with fake services and a canvas with simple text
// metrics.
struct MainWindowTest : ::testing::Test {
  MainWindowTest() : Fake(Ui.Host, Glyphs) {}

  TFormOrvanta& Create() {
    Form = std::make_unique<TFormOrvanta>(Ui.App, Fake.Services);
    Ui.App.SetMainForm(*Form);
    return *Form;
  }
  TFormOrvanta& CreateAndShow() {
    Create();
    Ui.ShowAndSettle(*Form);
    return *Form;
  }
  ui::WindowId Window() const { return Form->Window(); }
  // The centre of a control, form client pixels.
  static gfx::Point Centre(const ui::Control& c) {
    const gfx::Rect r = c.BoundsInForm();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  std::array<std::string, 4> Panes() const {
    std::array<std::string, 4> captions;
    for (std::size_t i = 0; i < captions.size(); ++i) {
      captions[i] = Form->UiStatusPanes[i]->Caption();
    }
    return captions;
  }

  testsupport::ScopedLocalBias Bias{0};
  ui::testing::UiFixture Ui;
  test::BoxGlyphSource Glyphs;
  MainWindowServices Fake;
  std::unique_ptr<TFormOrvanta> Form;
};

}  // namespace orvanta::app::testing
