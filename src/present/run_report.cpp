#include "present/run_report.h"

#include "present/run_export.h"
#include "present/run_list.h"

namespace orvanta::present {
namespace {

constexpr int kFirstReportColumn = 1;
constexpr std::size_t kReportColumnCount = 5;

// Appends count fields, field(i) each, separated by tabs, and ends the line.
template <typename FieldOf>
void AppendLine(std::string& out, std::size_t count, FieldOf field) {
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) {
      out += '\t';
    }
    out += field(i);
  }
  out += '\n';
}

}  // namespace

void WriteRunReport(const RunRefresh& refresh, TextOut& out) {
  const ui::ListViewModel& list = refresh.UiLWMsg;
  AppendLine(out.Buffer(), kReportColumnCount, [&list](std::size_t c) -> const std::string& {
    return list.Column(kFirstReportColumn + static_cast<int>(c)).Caption;
  });
  // The rows' texts come from the completed runs, as the list's do, so a report needs no list.
  // Short lines are written on this thread: formatted in pieces on others, they came slower.
  for (const history::RunRecord& run : refresh.Runs) {
    AppendRunRowLine(out.Buffer(), run, refresh.Texts());
    out.Buffer() += '\n';
    out.EndRow();
  }
  const auto& panes = refresh.StatusPanes.Panes;
  AppendLine(out.Buffer(), panes.size(),
             [&panes](std::size_t c) -> const std::string& { return panes[c]; });
}

std::string FormatRunReport(const RunRefresh& refresh) {
  return CollectText([&refresh](TextOut& out) { WriteRunReport(refresh, out); });
}

void WriteReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                 std::int32_t biasMinutes, TextOut& out) {
  switch (format) {
    case ReportFormat::Csv:
      WriteRunCsv(refresh, biasMinutes, out);
      return;
    case ReportFormat::Json:
      WriteRunJson(refresh, source, biasMinutes, out);
      return;
    case ReportFormat::Text:
      break;
  }
  WriteRunReport(refresh, out);
}

std::string FormatReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                         std::int32_t biasMinutes) {
  return CollectText([&](TextOut& out) { WriteReport(format, refresh, source, biasMinutes, out); });
}

}  // namespace orvanta::present
