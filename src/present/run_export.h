#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/date_time.h"
#include "present/run_list.h"
#include "present/run_refresh.h"
#include "present/text_out.h"

namespace orvanta::present {

// A local time as ISO 8601 with the offset it was shifted by ("2024-03-10T09:00:00+08:00";
// biasMinutes east positive), or empty when the time is not set.
std::string FormatIsoLocalTime(history::DateTime local, std::int32_t biasMinutes);

// "running", "clean", "abnormal" or "no-boot".
std::string_view RunStateName(RunState state);

// An instant (seconds since 1970 UTC) as FormatIsoLocalTime gives it after the shift by
// biasMinutes; empty where it falls outside the years a DateTime holds.
std::string FormatIsoSeconds(std::int64_t seconds, std::int32_t biasMinutes);

// One run as the exports give it: the times in ISO 8601 (empty where the list cell is), the
// run's seconds, the list's texts of its length, user and status, and what the power history
// says of it (none or empty where the refresh built no power history).
struct ExportRow {
  std::string Boot;
  std::string Shutdown;
  std::int32_t RunSeconds = 0;
  std::string RunLength;
  std::string User;
  RunState State = RunState::Running;
  std::string Status;
  std::optional<std::int64_t> AwakeSeconds;
  std::optional<std::int64_t> AsleepSeconds;  // none also where the log records no sleep
  std::string_view BootType;                  // "cold", "hybrid", "resume"; empty: unknown
  std::string_view End;                       // "clean", "reported", "last-sign" or "running"
  std::string EndTime;                        // the end as found, empty while running
};

// The rows of the refreshed runs, newest first; made from the runs and the power history, so
// they need no filled list.
std::vector<ExportRow> ExportRows(const RunRefresh& refresh, std::int32_t biasMinutes);
// How many rows there are, and the one at index (0 is the newest), made one at a time.
std::size_t ExportRowCount(const RunRefresh& refresh);
ExportRow ExportRowAt(const RunRefresh& refresh, std::size_t index, std::int32_t biasMinutes);

// The rows as CSV (RFC 4180: fields quoted where needed, every line ending in CR LF, UTF-8)
// under the header "boot,shutdown,run_seconds,run_length,user,state,status,awake_seconds,
// asleep_seconds,boot_type,end,end_time"; a field the run lacks is empty.
std::string FormatRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes);
void WriteRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes, TextOut& out);

// The log a row comes from, in the columns "source" and "host" after the others, for a report
// of several logs.
struct CsvLogColumns {
  std::string_view Source;
  std::string_view Host;
};
std::string FormatRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes,
                         const CsvLogColumns& log);

// One JSON object: "source" (the log read), "runs" (the rows, with the CSV's keys, then
// "shutdown_details" {initiator, user, reason, reason_code, kind} and "sleeps" [{from, to, kind,
// wake_source, attended}], null for what is unknown) and "summary" (the statistics panes'
// figures, the total seconds, history_from, history_to and sleep_known). One run per line;
// ends with a newline.
std::string FormatRunJson(const RunRefresh& refresh, std::string_view source,
                          std::int32_t biasMinutes);
void WriteRunJson(const RunRefresh& refresh, std::string_view source, std::int32_t biasMinutes,
                  TextOut& out);

}  // namespace orvanta::present
