#include "platform/posix/report_mode.h"

#include "history/local_time.h"
#include "history/local_zone.h"
#include "platform/posix/passwd_directory.h"
#include "platform/posix/posix_clock.h"
#include "present/day_report.h"
#include "present/escaped_text.h"
#include "present/run_refresh.h"
#include "present/run_report.h"
#include "sources/side_by_side.h"
#include "sources/unix_account_api.h"

namespace orvanta::platform {

void PrintProblem(std::FILE* err, std::string_view name, std::string_view reason) {
  std::fprintf(err, "orvanta: %s: %s\n", present::QuotedText(name).c_str(),
               present::QuotedText(reason).c_str());
  std::fflush(err);
}

ReportedHistory RefreshForReport(const HistoryRequest& request, present::RunRefresh& refresh,
                                 present::PowerFill power) {
  sources::OpenedLog opened = OpenHistory(request);
  ReportedHistory reported;
  reported.Name = opened.Name;
  reported.Problems = std::move(opened.FileNotes);
  if (!opened.Value) {
    reported.Problems.push_back({opened.Name, opened.Error});
    return reported;
  }
  if (!opened.Note.empty()) {
    reported.Problems.push_back({opened.Name, opened.Note});
  }
  // The SIDs of an event log file are named as this machine names them.
  PasswdDirectory machineUsers;
  sources::UnixAccountApi accounts(machineUsers);
  // Every report writes its rows straight from the runs and the power history.
  refresh.Refresh(*opened.Value, accounts, present::ChartFill::Skip, present::ListFill::Skip,
                  power);
  reported.Read = true;
  reported.Machine = opened.Value->Machine();
  return reported;
}

int RunReport(const HistoryRequest& request, present::ReportFormat format, present::ReportBy by,
              std::FILE* out, std::FILE* err) {
  PosixClock clock;
  history::SetLocalBiasMinutes(history::ComputeLocalBias(clock));

  present::RunRefresh refresh;
  const bool textOfRuns = by == present::ReportBy::Run && format == present::ReportFormat::Text;
  const ReportedHistory reported = RefreshForReport(
      request, refresh, textOfRuns ? present::PowerFill::Skip : present::PowerFill::Build);
  for (const sources::FileNote& problem : reported.Problems) {
    PrintProblem(err, problem.Name, problem.Text);
  }
  if (!reported.Read) {
    return 1;
  }
  bool written = false;
  {
    present::TextOut text([out](std::string_view part) {
      return std::fwrite(part.data(), 1, part.size(), out) == part.size();
    });
    if (const unsigned threads = request.Threads; threads > 1) {
      // Long tables are formatted in pieces on every core, written in order.
      text.FormatPiecesWith(
          [threads](std::size_t count, std::size_t ahead, const auto& format, const auto& write) {
            sources::RunSideBySide(
                count, threads, [&format](std::size_t i, unsigned) { format(i); }, write, ahead);
          });
    }
    if (by == present::ReportBy::Day) {
      present::WriteDayReport(format, refresh, reported.Name, history::SystemZoneOffset, text);
    } else {
      present::WriteReport(format, refresh, reported.Name, history::LocalBiasMinutes(), text);
    }
    written = text.Flush();
  }
  if (!written || std::fflush(out) != 0) {
    std::fprintf(err, "orvanta: cannot write the report\n");
    return 1;
  }
  return 0;
}

}  // namespace orvanta::platform
