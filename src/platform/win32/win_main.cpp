// The Windows program's entry point: the platform's services around the program. Without
// arguments it shows the System log; `orvanta.exe FILE` shows a saved log file instead, and
// `--help` and `--version` (or a usage error) are shown in a message box, since a program
// without a console has nowhere else to print. It
// takes no show command; it runs unaware of DPI scaling, at 96 pixels per inch, and without
// visual styles (the executable has no manifest asking for either).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/program.h"
#include "history/event_record_history.h"
#include "history/event_source_filter.h"
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

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Arguments() {
  int count = 0;
  std::unique_ptr<LPWSTR, orvanta::platform::ReleaseWith<&::LocalFree>> args(
      CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> out;
  for (int i = 1; args && i < count; ++i) {
    out.push_back(orvanta::platform::WideToUtf8(args.get()[i]));
  }
  return out;
}

// Shows the help, the version or a usage error and returns the exit status for it; nothing for
// a command line that opens the window.
std::optional<int> AnswerCommandLine(const orvanta::app::CommandLine& line) {
  using orvanta::app::CommandAction;
  using orvanta::app::CommandSet;
  constexpr int kUsageErrorStatus = 2;
  std::string text;
  UINT icon = MB_ICONINFORMATION;
  int status = 0;
  switch (line.Action) {
    case CommandAction::Help:
      text = orvanta::app::HelpText(CommandSet::Windows);
      break;
    case CommandAction::Version:
      text = orvanta::app::VersionText();
      break;
    case CommandAction::UsageError:
      text = orvanta::app::UsageErrorText(line.Error);
      icon = MB_ICONERROR;
      status = kUsageErrorStatus;
      break;
    case CommandAction::Report:
    case CommandAction::Window:
      return std::nullopt;
  }
  MessageBoxW(nullptr, orvanta::platform::Utf8ToWide(text).c_str(), L"orvanta", MB_OK | icon);
  return status;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace orvanta;
  const app::CommandLine line = app::ParseCommandLine(Arguments(), app::CommandSet::Windows);
  if (const std::optional<int> status = AnswerCommandLine(line)) {
    return *status;
  }
  ComApartment com;
  std::unique_ptr<platform::Win32WindowHost> host = platform::Win32WindowHost::Create(instance);
  if (!host) {
    return kNoWindowStatus;
  }
  platform::GdiGlyphSource glyphs;
  platform::Win32Clock clock;
  const platform::Win32ClockLocale locale;
  platform::MainWindowShell shell(*host);
  const std::optional<std::string>& logFile = line.File;
  app::PlatformServices services{
      .Host = *host,
      .Glyphs = glyphs,
      .Palette = platform::Win32SystemPalette(),
      .Clock = clock,
      .Shell = shell,
      .OpenSystemLog = [&]() -> std::unique_ptr<history::EventHistory> {
        if (logFile) {
          // Read afresh on each refresh; a file that cannot be read is an empty history.
          return platform::OpenLogFile(*logFile).Value;
        }
        return std::make_unique<history::EventRecordHistory>(
            std::make_unique<history::EventSourceFilter>(
                std::make_unique<platform::Win32EventLog>()));
      },
      .OpenAccounts = []() -> std::unique_ptr<history::AccountApi> {
        return std::make_unique<platform::Win32AccountApi>();
      },
      .Locale = &locale,
      .LogFile = logFile,
      .System = app::HostSystem::Windows,
  };
  return app::RunProgram(services);
}
