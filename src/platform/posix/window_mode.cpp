#include "platform/posix/window_mode.h"

#include "app/program.h"
#include "platform/posix/freetype_glyph_source.h"
#include "platform/posix/passwd_directory.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_clock_locale.h"
#include "platform/posix/posix_shell.h"
#include "platform/posix/report_mode.h"
#include "platform/posix/x11_host.h"
#include "present/escaped_text.h"
#include "sources/unix_account_api.h"

namespace orvanta::platform {

int RunWindow(const HistoryRequest& request, std::FILE* err) {
  std::unique_ptr<X11Host> host = X11Host::Connect();
  if (!host) {
    std::fprintf(err,
                 "orvanta: cannot open the window: %s\n"
                 "orvanta: to print the runs as text instead, run: orvanta --report [FILE]\n",
                 present::QuotedText(X11Host::FailureReason()).c_str());
    return 1;
  }
  FreeTypeGlyphSource glyphs;
  PosixClock clock;
  PosixShell shell;
  const controls::PatternClockLocale locale = PosixClockLocale();
  // This machine's own users name the SIDs of an event log file.
  PasswdDirectory machineUsers;
  // Each refresh reads the file afresh; a failure is told once until the reason changes.
  std::string lastError;
  std::vector<sources::FileNote> lastFileNotes;
  app::PlatformServices services{
      .Host = *host,
      .Glyphs = glyphs,
      .Palette = gfx::SystemPalette::Classic(),
      .Clock = clock,
      .Shell = shell,
      .OpenSystemLog = [&]() -> std::unique_ptr<history::EventHistory> {
        machineUsers.Forget();  // each refresh sees the accounts as they are now
        sources::OpenedLog opened = OpenHistory(request);
        if (opened.FileNotes != lastFileNotes) {
          for (const sources::FileNote& note : opened.FileNotes) {
            PrintProblem(err, note.Name, note.Text);
          }
          std::fflush(err);
          lastFileNotes = std::move(opened.FileNotes);
        }
        const std::string& problem = opened.Value ? opened.Note : opened.Error;
        if (problem != lastError) {
          if (!problem.empty()) {
            PrintProblem(err, opened.Name, problem);
          }
          lastError = problem;
        }
        return std::move(opened.Value);
      },
      .OpenAccounts = [&]() -> std::unique_ptr<history::AccountApi> {
        return std::make_unique<sources::UnixAccountApi>(machineUsers);
      },
      .Locale = &locale,
      .LogFile = request.File,
      .System = app::HostSystem::Linux,
  };
  return app::RunProgram(services);
}

}  // namespace orvanta::platform
