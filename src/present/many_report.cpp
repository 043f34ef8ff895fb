#include "present/many_report.h"

#include <algorithm>
#include <cmath>

#include "present/escaped_text.h"
#include "present/export_text.h"
#include "present/run_export.h"

namespace orvanta::present {
namespace {

constexpr std::string_view kCsvLineEnd = "\r\n";
constexpr std::string_view kJsonObjectEnd = "\n}\n";
constexpr std::string_view kJsonIndent = "    ";

history::DateTime EndTime(const history::RunRecord& run) {
  return history::IsTimeSet(run.BootTime) ? run.BootTime : run.ShutdownTime;
}

// The log's CSV with its source and host on every row; the header line is kept apart, as only
// the first log's is written.
LogPart CsvPart(const std::string& csv) {
  LogPart part;
  const std::size_t headerEnd = csv.find(kCsvLineEnd);
  part.Head = csv.substr(0, headerEnd + kCsvLineEnd.size());
  part.Body = csv.substr(part.Head.size());
  return part;
}

// The export's object with "host" as its last member, every line indented one level more.
// JSON text has no raw line feed inside a string, so each one is layout.
LogPart JsonPart(std::string json, std::string_view host) {
  if (json.ends_with(kJsonObjectEnd)) {
    json.resize(json.size() - kJsonObjectEnd.size());
  }
  json += ",\n  \"host\": ";
  json += host.empty() ? std::string("null") : JsonString(host);
  json += "\n}";
  LogPart part;
  part.Body = kJsonIndent;
  for (const char c : json) {
    part.Body += c;
    if (c == '\n') {
      part.Body += kJsonIndent;
    }
  }
  return part;
}

LogPart TextPart(const std::string& text, std::string_view source, std::string_view host) {
  LogPart part;
  part.Body = "Log: ";
  part.Body += QuotedText(source);
  if (!host.empty()) {
    part.Body += "\tMachine: ";
    part.Body += QuotedText(host);
  }
  part.Body += '\n';
  part.Body += text;
  return part;
}

}  // namespace

ReportTotals TotalsOfRuns(const RunRefresh& refresh) {
  ReportTotals totals;
  totals.Count = static_cast<std::int64_t>(refresh.Runs.size());
  totals.TotalSeconds = refresh.TotalRunSeconds;
  totals.HistoryFrom = refresh.Power.HistoryFrom;
  totals.HistoryTo = refresh.Power.HistoryTo;
  totals.SleepKnown = refresh.Power.SleepKnown;
  if (!refresh.Runs.empty()) {
    const history::DateTime newest = EndTime(refresh.Runs.front());
    const history::DateTime oldest = EndTime(refresh.Runs.back());
    totals.Earliest = std::min(newest, oldest);
    totals.Latest = std::max(newest, oldest);
  }
  return totals;
}

ReportTotals& operator+=(ReportTotals& sum, const ReportTotals& more) {
  sum.Count += more.Count;
  sum.TotalSeconds += more.TotalSeconds;
  if (more.Earliest) {
    sum.Earliest = std::min(sum.Earliest.value_or(*more.Earliest), *more.Earliest);
  }
  if (more.Latest) {
    sum.Latest = std::max(sum.Latest.value_or(*more.Latest), *more.Latest);
  }
  if (more.HistoryFrom) {
    sum.HistoryFrom = std::min(sum.HistoryFrom.value_or(*more.HistoryFrom), *more.HistoryFrom);
  }
  if (more.HistoryTo) {
    sum.HistoryTo = std::max(sum.HistoryTo.value_or(*more.HistoryTo), *more.HistoryTo);
  }
  sum.SleepKnown = sum.SleepKnown && more.SleepKnown;
  return sum;
}

LogPart MakeLogPart(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                    std::string_view host, std::int32_t biasMinutes) {
  if (format == ReportFormat::Csv) {
    return CsvPart(FormatRunCsv(refresh, biasMinutes, {source, host}));
  }
  // Each log's report as it would be alone, reshaped.
  std::string alone = FormatReport(format, refresh, source, biasMinutes);
  return format == ReportFormat::Json ? JsonPart(std::move(alone), host)
                                      : TextPart(alone, source, host);
}

void ManyReportWriter::Add(const LogPart& part, const ReportTotals& totals) {
  std::string& text = m_out.Buffer();
  const bool first = m_written == 0;
  switch (m_format) {
    case ReportFormat::Text:
      text += first ? "" : "\n";
      break;
    case ReportFormat::Csv:
      text += first ? part.Head : std::string();
      break;
    case ReportFormat::Json:
      text += first ? "{\n  \"logs\": [\n" : ",\n";
      break;
  }
  text += part.Body;
  m_out.EndRow();
  m_totals += totals;
  ++m_written;
}

void ManyReportWriter::Finish() {
  if (m_written == 0 || m_format != ReportFormat::Json) {
    m_out.Flush();
    return;
  }
  // The figures of the statistics panes, over all runs of all logs.
  const std::int64_t days =
      m_totals.Earliest && m_totals.Latest
          ? static_cast<std::int64_t>(std::trunc(*m_totals.Latest - *m_totals.Earliest)) + 1
          : 0;
  const std::int64_t averageHours =
      m_totals.Count > 0
          ? static_cast<std::int64_t>(std::trunc(static_cast<double>(m_totals.TotalSeconds) /
                                                 (static_cast<double>(m_totals.Count) * 3600.0)))
          : 0;
  const auto time = [this](const std::optional<std::int64_t>& seconds) {
    return seconds ? JsonString(FormatIsoSeconds(*seconds, m_biasMinutes)) : std::string("null");
  };
  std::string& text = m_out.Buffer();
  text += "\n  ],\n  \"summary\": ";
  const char* separator = "{";
  for (const auto& [key, value] :
       {std::pair<std::string_view, std::string>{"count", std::to_string(m_totals.Count)},
        {"days", std::to_string(days)},
        {"total_hours", std::to_string(m_totals.TotalSeconds / 3600)},
        {"average_hours", std::to_string(averageHours)},
        {"total_seconds", std::to_string(m_totals.TotalSeconds)},
        {"history_from", time(m_totals.HistoryFrom)},
        {"history_to", time(m_totals.HistoryTo)},
        {"sleep_known", m_totals.SleepKnown ? "true" : "false"}}) {
    text += separator;
    text += JsonString(key);
    text += ": ";
    text += value;
    separator = ", ";
  }
  text += "}\n}\n";
  m_out.Flush();
}

}  // namespace orvanta::present
