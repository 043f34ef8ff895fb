#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/report_mode.h"

namespace {

constexpr std::string_view kReportOption = "--report";

int Usage() {
  std::fputs("usage: orvanta [--report] [FILE]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == kReportOption) {
    if (args.size() > 2) {
      return Usage();
    }
    std::optional<std::string> path;
    if (args.size() == 2) {
      path.emplace(args[1]);
    }
    return orvanta::platform::RunReport(path, stdout, stderr);
  }
  if (args.size() > 1) {
    return Usage();
  }
  std::fputs("orvanta: the window is not available in this build; use --report [FILE]\n", stderr);
  return 2;
}
