#include "platform/posix/many_report_mode.h"

#include <optional>
#include <vector>

#include "history/local_time.h"
#include "platform/posix/log_machine.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/report_mode.h"
#include "platform/posix/sigbus_guard.h"
#include "present/many_report.h"
#include "sources/side_by_side.h"

namespace orvanta::platform {
namespace {

// What one log gave, kept from its thread until its turn to be written.
struct LogResult {
  ReportedHistory Reported;
  present::LogPart Part;
  present::ReportTotals Totals;
};

LogResult ReadOne(const std::string& file, present::ReportFormat format, std::int32_t biasMinutes) {
  LogResult result;
  present::RunRefresh refresh;
  result.Reported = RefreshForReport(
      {file, std::nullopt, 1, FileReading::Mapped}, refresh,
      format == present::ReportFormat::Text ? present::PowerFill::Skip : present::PowerFill::Build);
  if (result.Reported.Read) {
    // An .evtx file names its machine as it is read; other logs are looked at again.
    const std::string machine =
        result.Reported.Machine ? *result.Reported.Machine : MachineOfLog(file);
    result.Part = present::MakeLogPart(format, refresh, result.Reported.Name, machine, biasMinutes);
    result.Totals = present::TotalsOfRuns(refresh);
  }
  return result;
}

}  // namespace

int RunManyReports(std::span<const std::string> files, present::ReportFormat format,
                   unsigned threads, std::FILE* out, std::FILE* err) {
  PosixClock clock;
  // Set once before any thread starts; the readers only read it.
  history::SetLocalBiasMinutes(history::ComputeLocalBias(clock));
  const std::int32_t bias = history::LocalBiasMinutes();
  // Held for the whole report, so the handler stays put while threads come and go.
  const SigbusGuard guard;

  std::vector<std::optional<LogResult>> results(files.size());
  bool anyRead = false;
  bool written = false;
  {
    present::TextOut text([out](std::string_view part) {
      return std::fwrite(part.data(), 1, part.size(), out) == part.size();
    });
    present::ManyReportWriter writer(format, text, bias);
    sources::RunSideBySide(
        files.size(), threads,
        [&](std::size_t i, unsigned) { results[i] = ReadOne(files[i], format, bias); },
        [&](std::size_t i) {
          const LogResult& result = *results[i];
          for (const sources::FileNote& problem : result.Reported.Problems) {
            PrintProblem(err, problem.Name, problem.Text);
          }
          if (result.Reported.Read) {
            writer.Add(result.Part, result.Totals);
            anyRead = true;
          }
          results[i].reset();
        });
    writer.Finish();
    written = text.Flush();
  }
  if (!anyRead) {
    return 1;
  }
  if (!written || std::fflush(out) != 0) {
    std::fprintf(err, "orvanta: cannot write the report\n");
    return 1;
  }
  return 0;
}

}  // namespace orvanta::platform
