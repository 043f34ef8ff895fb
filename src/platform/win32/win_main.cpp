// The Windows program's entry point: the platform's services around the program. The program
// takes no command line and no show command; it runs unaware of DPI scaling, at 96 pixels per
// inch, and without visual styles (the executable has no manifest asking for either).
#include <memory>

#include "app/program.h"
#include "platform/win32/gdi_glyph_source.h"
#include "platform/win32/main_window_shell.h"
#include "platform/win32/win32_account_api.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_log.h"
#include "platform/win32/win32_system_palette.h"
#include "platform/win32/win32_window_host.h"
#include "platform/win32/windows_api.h"
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
  platform::MainWindowShell shell(*host);
  app::PlatformServices services{
      .Host = *host,
      .Glyphs = glyphs,
      .Palette = platform::Win32SystemPalette(),
      .Clock = clock,
      .Shell = shell,
      .OpenSystemLog = [] { return std::make_unique<platform::Win32EventLog>(); },
      .OpenAccounts = [] { return std::make_unique<platform::Win32AccountApi>(); },
  };
  return app::RunProgram(services);
}
