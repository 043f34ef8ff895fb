#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/window_names.h"
#include "controls/clock_locale.h"
#include "controls/shell.h"
#include "gfx/color.h"
#include "gfx/glyph_source.h"
#include "history/account_api.h"
#include "history/clock.h"
#include "history/event_history.h"
#include "ui/window_host.h"

namespace orvanta::app {

// What the program needs of its platform. Each entry point (WinMain, the Linux main) builds
// these from its own seams and hands them to RunProgram; everything else is the same code.
struct PlatformServices {
  ui::WindowHost& Host;
  gfx::GlyphSource& Glyphs;
  gfx::SystemPalette Palette;
  history::Clock& Clock;
  controls::Shell& Shell;
  // The history for one refresh, opened afresh each time.
  std::function<std::unique_ptr<history::EventHistory>()> OpenSystemLog;
  // The account database for one refresh.
  std::function<std::unique_ptr<history::AccountApi>()> OpenAccounts;
  // The user's date and time formats for the clock pane; null takes the fallback patterns.
  const controls::ClockLocale* Locale = nullptr;
  // The saved log named on the command line; none while the window shows this machine's own
  // history. It names the window and shows the log's newest time in place of the uptime.
  std::optional<std::string> LogFile = std::nullopt;
  HostSystem System = HostSystem::Windows;
};

// Creates the main window (its create handler runs the first refresh), shows it and runs the
// message loop until it closes. Returns the process exit status.
int RunProgram(PlatformServices& services);

}  // namespace orvanta::app
