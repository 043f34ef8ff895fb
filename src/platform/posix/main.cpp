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
constexpr std::string_view kSourceOption = "--source";

int Usage() {
  std::fputs("usage: orvanta [--report] [--source wtmp|wtmpdb|journal] [FILE]\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  const bool report = !args.empty() && args[0] == kReportOption;
  if (report) {
    args.erase(args.begin());
  }
  orvanta::platform::HistoryRequest request;
  if (args.size() >= 2 && args[0] == kSourceOption) {
    request.Source = orvanta::sources::HistorySourceNamed(args[1]);
    if (!request.Source) {
      return Usage();
    }
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() > 1) {
    return Usage();
  }
  if (!args.empty()) {
    request.File.emplace(args[0]);
  } else if (!request.Source) {
    request.Source = orvanta::platform::DefaultHistorySource();
  }
  if (request.File || request.Source == orvanta::sources::HistorySource::Wtmp) {
    orvanta::platform::ReserveHeapForLog(request.File.value_or(orvanta::platform::kDefaultLogPath));
  }
  if (report) {
    return orvanta::platform::RunReport(request, stdout, stderr);
  }
  return orvanta::platform::RunWindow(request, stderr);
}
