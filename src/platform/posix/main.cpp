#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/posix/heap_reserve.h"
#include "platform/posix/many_report_mode.h"
#include "platform/posix/open_file_limit.h"
#include "platform/posix/reader_threads.h"
#include "platform/posix/report_mode.h"
#include "platform/posix/window_mode.h"

namespace {

int Print(const std::string& text, std::FILE* to, int status) {
  std::fputs(text.c_str(), to);
  return std::fflush(to) == 0 ? status : 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvanta;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const app::CommandLine line = app::ParseCommandLine(args, app::CommandSet::Linux);
  switch (line.Action) {
    case app::CommandAction::Help:
      return Print(app::HelpText(app::CommandSet::Linux), stdout, 0);
    case app::CommandAction::Version:
      return Print(app::VersionText(), stdout, 0);
    case app::CommandAction::UsageError:
      return Print(app::UsageErrorText(line.Error), stderr, 2);
    case app::CommandAction::Report:
    case app::CommandAction::Window:
      break;
  }
  // The system journal's library opens all its files at once.
  platform::RaiseOpenFileLimit();
  if (line.Action == app::CommandAction::Report && !line.MoreFiles.empty()) {
    std::vector<std::string> files{*line.File};
    files.insert(files.end(), line.MoreFiles.begin(), line.MoreFiles.end());
    return platform::RunManyReports(files, line.Format, platform::ReaderThreadCount(), stdout,
                                    stderr);
  }
  platform::HistoryRequest request{line.File, line.Source};
  if (!request.File && !request.Source) {
    request.Source = platform::DefaultHistorySource();
  }
  if (request.File || request.Source == sources::HistorySource::Wtmp) {
    platform::ReserveHeapForLog(request.File.value_or(platform::kDefaultLogPath));
  }
  if (line.Action == app::CommandAction::Report) {
    // A report reads the log once, on every core, through mappings that spare the copies.
    request.Threads = platform::ReaderThreadCount();
    request.Blocks = platform::FileReading::Mapped;
    return platform::RunReport(request, line.Format, line.By, stdout, stderr);
  }
  return platform::RunWindow(request, stderr);
}
