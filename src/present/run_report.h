#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "present/run_refresh.h"
#include "present/text_out.h"

namespace orvanta::present {

// What the main window would show, as text: a line with the captions of columns 1 to 5, one
// line per list row with its five texts (the user column even when the window hides it), and
// a line with the four statistics captions. Fields are separated by one tab; every line ends
// with a newline; UTF-8.
void WriteRunReport(const RunRefresh& refresh, TextOut& out);
std::string FormatRunReport(const RunRefresh& refresh);

// The forms a report can take: the text above, or one of the exports.
enum class ReportFormat { Text, Csv, Json };

// What a report's rows are: the runs, or the local calendar days (WriteDayReport).
enum class ReportBy { Run, Day };

// The report in the given form; source names the log read and biasMinutes is the offset the
// local times were shifted by (both for the exports).
void WriteReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                 std::int32_t biasMinutes, TextOut& out);
std::string FormatReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                         std::int32_t biasMinutes);

}  // namespace orvanta::present
