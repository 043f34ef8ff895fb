// The Windows program's entry point: the platform's services around the program. Without
// arguments it shows the System log; `orvanta.exe FILE` shows a saved log file instead. It
// takes no show command; it runs unaware of DPI scaling, at 96 pixels per inch, and without
// visual styles (the executable has no manifest asking for either).
#include <memory>
#include <optional>
#include <string>

#include "app/program.h"
#include "platform/win32/gdi_glyph_source.h"
#include "platform/win32/handles.h"
#include "platform/win32/main_window_shell.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_account_api.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_clock_locale.h"
#include "platform/win32/win32_event_log.h"
#include "platform/win32/win32_file_load.h"
#include "platform/win32/win32_system_palette.h"
#include "platform/win32/win32_window_host.h"
#include "platform/win32/windows_api.h"
#include "sources/account_chain.h"
#include "sources/logged_user_directory.h"
#include "sources/unix_account_api.h"
// COM, which the lean windows.h leaves out.
#include <objbase.h>

namespace {

// ShellExecuteEx may hand the target to a COM-based handler, which needs a single-threaded
// apartment on the calling thread.
class ComApartment {
 public:
  ComApartment()
      : m_initialised(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~ComApartment() {
    if (m_initialised) {
      CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool m_initialised;
};

// The process's exit status when the system gives us no window class.
constexpr int kNoWindowStatus = 1;

// The saved log named by the first argument of the command line (UTF-8), if any.
std::optional<std::string> NamedLogFile() {
  int count = 0;
  std::unique_ptr<LPWSTR, orvanta::platform::ReleaseWith<&::LocalFree>> args(
      CommandLineToArgvW(GetCommandLineW(), &count));
  if (!args || count < 2) {
    return std::nullopt;
  }
  return orvanta::platform::WideToUtf8(args.get()[1]);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace orvanta;
  ComApartment com;
  std::unique_ptr<platform::Win32WindowHost> host = platform::Win32WindowHost::Create(instance);
  if (!host) {
    return kNoWindowStatus;
  }
  platform::GdiGlyphSource glyphs;
  platform::Win32Clock clock;
  const platform::Win32ClockLocale locale;
  platform::MainWindowShell shell(*host);
  const std::optional<std::string> logFile = NamedLogFile();
  // A saved log names accounts of its own machine: those this machine knows, and the users a
  // wtmp file records by name.
  sources::LoggedUserDirectory loggedUsers;
  app::PlatformServices services{
      .Host = *host,
      .Glyphs = glyphs,
      .Palette = platform::Win32SystemPalette(),
      .Clock = clock,
      .Shell = shell,
      .OpenSystemLog = [&]() -> std::unique_ptr<history::EventLogApi> {
        if (logFile) {
          // Read afresh on each refresh; a file that cannot be read is an empty history.
          return platform::OpenLogFile(*logFile, loggedUsers).Log;
        }
        return std::make_unique<platform::Win32EventLog>();
      },
      .OpenAccounts = [&]() -> std::unique_ptr<history::AccountApi> {
        if (logFile) {
          return std::make_unique<sources::AccountChain>(
              std::make_unique<platform::Win32AccountApi>(),
              std::make_unique<sources::UnixAccountApi>(loggedUsers));
        }
        return std::make_unique<platform::Win32AccountApi>();
      },
      .Locale = &locale,
  };
  return app::RunProgram(services);
}
