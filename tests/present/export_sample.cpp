// Prints the exports of the worked example with hostile user names, for the test that parses
// them back with real CSV and JSON parsers. Usage: export_sample csv|json BIAS-MINUTES; the
// forms csv-many and json-many give a report of two such logs, the second with a user name
// holding a CR LF.
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "present/export_fixture.h"
#include "present/many_report.h"
#include "present/run_export.h"

namespace {

using namespace orvanta::present;

constexpr const char* kSource = "/var/log/wtmp\x01\xFF";

std::string ManyReport(ReportFormat format, std::int32_t bias) {
  return CollectText([&](TextOut& out) {
    ManyReportWriter writer(format, out, bias);
    RunRefresh first;
    FillHostileExample(first);
    writer.Add(MakeLogPart(format, first, kSource, "pc,\"1\"\r\n", bias), TotalsOfRuns(first));
    RunRefresh second;
    FillHostileExample(second);
    second.Runs[2].UserName = "c\r\nd";
    FillRunList(second.Runs, second.UiLWMsg, second.TotalRunSeconds);
    writer.Add(MakeLogPart(format, second, "b.evtx", "", bias), TotalsOfRuns(second));
    writer.Finish();
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: export_sample csv|json|csv-many|json-many BIAS-MINUTES\n", stderr);
    return 2;
  }
  const auto bias = static_cast<std::int32_t>(std::strtol(argv[2], nullptr, 10));
  RunRefresh refresh;
  FillHostileExample(refresh);
  const std::string_view form = argv[1];
  const std::string out = form == "csv"        ? FormatRunCsv(refresh, bias)
                          : form == "json"     ? FormatRunJson(refresh, kSource, bias)
                          : form == "csv-many" ? ManyReport(ReportFormat::Csv, bias)
                                               : ManyReport(ReportFormat::Json, bias);
  return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
}
