#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/heap_reserve.h"
#include "platform/posix/report_mode.h"
#include "platform/posix/window_mode.h"

namespace {

constexpr std::string_view kReportOption = "--report";

int Usage() {
  std::fputs("usage: orvanta [--report] [FILE]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  const bool report = !args.empty() && args[0] == kReportOption;
  if (report) {
    args.erase(args.begin());
  }
  if (args.size() > 1) {
    return Usage();
  }
  std::optional<std::string> path;
  if (!args.empty()) {
    path.emplace(args[0]);
  }
  orvanta::platform::ReserveHeapForLog(path.value_or(orvanta::platform::kDefaultLogPath));
  if (report) {
    return orvanta::platform::RunReport(path, stdout, stderr);
  }
  return orvanta::platform::RunWindow(path, stderr);
}
