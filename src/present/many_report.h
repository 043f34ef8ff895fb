#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "history/date_time.h"
#include "present/run_refresh.h"
#include "present/run_report.h"
#include "present/text_out.h"

namespace orvanta::present {

// What a report of several logs adds up: runs, run seconds, the earliest and latest end of a
// run (its boot time, else its shutdown time; local) for the day span, the times of the oldest
// and newest record (seconds since 1970, UTC), and whether every log records sleep.
struct ReportTotals {
  std::int64_t Count = 0;
  std::int64_t TotalSeconds = 0;
  std::optional<history::DateTime> Earliest;
  std::optional<history::DateTime> Latest;
  std::optional<std::int64_t> HistoryFrom;
  std::optional<std::int64_t> HistoryTo;
  bool SleepKnown = true;
};

ReportTotals TotalsOfRuns(const RunRefresh& refresh);
ReportTotals& operator+=(ReportTotals& sum, const ReportTotals& more);

// One log's part of a report of several logs, made as soon as its runs are rebuilt. Text: a
// line naming the log and the machine, then the log's text report. CSV: the rows of the log's
// export with the columns "source" and "host" added; Head is the header line they go under.
// JSON: the log's export object with "host" added (null where the log names no machine),
// indented to sit in the "logs" array.
struct LogPart {
  std::string Head;
  std::string Body;
};

LogPart MakeLogPart(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                    std::string_view host, std::int32_t biasMinutes);

// Writes a report of several logs, their parts added in the order given (each may be freed
// once added). Text parts are set apart by an empty line; CSV has one header, that of the
// first part; JSON is {"logs": [...], "summary": {...}}, the summary's figures counted over
// all logs together. Nothing is written without parts.
class ManyReportWriter {
 public:
  // biasMinutes: the offset the local times were shifted by, for the summary's times.
  ManyReportWriter(ReportFormat format, TextOut& out, std::int32_t biasMinutes)
      : m_format(format), m_out(out), m_biasMinutes(biasMinutes) {}
  void Add(const LogPart& part, const ReportTotals& totals);
  // Ends the report.
  void Finish();

 private:
  ReportFormat m_format;
  TextOut& m_out;
  std::int32_t m_biasMinutes = 0;
  std::size_t m_written = 0;
  ReportTotals m_totals;
};

}  // namespace orvanta::present
