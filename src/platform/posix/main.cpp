#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "platform/posix/heap_reserve.h"
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
  // wtmp, the only source of this machine's history so far, is read from kDefaultLogPath.
  platform::ReserveHeapForLog(line.File.value_or(platform::kDefaultLogPath));
  if (line.Action == app::CommandAction::Report) {
    return platform::RunReport(line.File, line.Format, stdout, stderr);
  }
  return platform::RunWindow(line.File, stderr);
}
