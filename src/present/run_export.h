#pragma once

#include <cstdint>
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

// One list row as the exports give it: the times in ISO 8601 (empty where the list cell is),
// the run's seconds, and the list's texts of its length, user and status.
struct ExportRow {
  std::string Boot;
  std::string Shutdown;
  std::int32_t RunSeconds = 0;
  std::string RunLength;
  std::string User;
  RunState State = RunState::Running;
  std::string Status;
};

// The rows of a refreshed run list, newest first.
std::vector<ExportRow> ExportRows(const RunRefresh& refresh, std::int32_t biasMinutes);
// How many rows there are, and the one at index (0 is the newest), made one at a time.
std::size_t ExportRowCount(const RunRefresh& refresh);
ExportRow ExportRowAt(const RunRefresh& refresh, std::size_t index, std::int32_t biasMinutes);

// The rows as CSV (RFC 4180: fields quoted where needed, every line ending in CR LF, UTF-8)
// under the header "boot,shutdown,run_seconds,run_length,user,state,status".
std::string FormatRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes);
void WriteRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes, TextOut& out);

// One JSON object: "source" (the log read), "runs" (the rows, with the CSV's keys and null for
// an unset time) and "summary" (the statistics panes' figures and the total seconds). One run
// per line; ends with a newline.
std::string FormatRunJson(const RunRefresh& refresh, std::string_view source,
                          std::int32_t biasMinutes);
void WriteRunJson(const RunRefresh& refresh, std::string_view source, std::int32_t biasMinutes,
                  TextOut& out);

}  // namespace orvanta::present
