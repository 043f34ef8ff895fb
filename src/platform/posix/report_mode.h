#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/history_open.h"
#include "present/run_refresh.h"
#include "present/run_report.h"
#include "sources/file_note.h"

namespace orvanta::platform {

// This machine's login records, read when no file is named.
inline constexpr const char* kDefaultLogPath = "/var/log/wtmp";

// Prints "orvanta: NAME: reason" as one line, the name and the reason quoted where they hold
// control characters.
void PrintProblem(std::FILE* err, std::string_view name, std::string_view reason);

// A history read for a report: what messages call it, what to say about it on the error
// stream (in order), and whether it could be read at all.
struct ReportedHistory {
  std::string Name;
  std::vector<sources::FileNote> Problems;
  bool Read = false;
  std::optional<std::string> Machine;  // as the history tells it, where it can
};

// Opens the history asked for and rebuilds its runs and power history into refresh, as every
// report needs them. Touches nothing shared but the local bias, which the caller sets first,
// so histories may be read this way on several threads at once.
ReportedHistory RefreshForReport(const HistoryRequest& request, present::RunRefresh& refresh,
                                 present::PowerFill power);

// Prints the runs of the history asked for to out in the given form and returns 0: as text,
// what the window would show; as CSV or JSON, the exports. By day, one row per day of this
// machine's local time zone instead. A history that cannot be read prints "orvanta: NAME:
// reason" to err and returns 1; one read only in part is reported as far as it goes, with a
// line on err saying why.
int RunReport(const HistoryRequest& request, present::ReportFormat format, present::ReportBy by,
              std::FILE* out, std::FILE* err);

}  // namespace orvanta::platform
