// Prints the exports of the worked example with hostile user names, for the test that parses
// them back with real CSV and JSON parsers. Usage: export_sample csv|json BIAS-MINUTES
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "present/export_fixture.h"
#include "present/run_export.h"

int main(int argc, char** argv) {
  using namespace orvanta::present;
  if (argc != 3) {
    std::fputs("usage: export_sample csv|json BIAS-MINUTES\n", stderr);
    return 2;
  }
  const auto bias = static_cast<std::int32_t>(std::strtol(argv[2], nullptr, 10));
  RunRefresh refresh;
  FillHostileExample(refresh);
  const std::string out = std::string_view(argv[1]) == "csv"
                              ? FormatRunCsv(refresh, bias)
                              : FormatRunJson(refresh, "/var/log/wtmp\x01\xFF", bias);
  return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
}
