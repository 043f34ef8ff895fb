#include "present/run_report.h"

#include "present/run_export.h"

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

std::string FormatRunReport(const RunRefresh& refresh) {
  const ui::ListViewModel& list = refresh.UiLWMsg;
  std::string out;
  out.reserve(static_cast<std::size_t>(list.ItemCount() + 2) * 96);
  AppendLine(out, kReportColumnCount, [&list](std::size_t c) -> const std::string& {
    return list.Column(kFirstReportColumn + static_cast<int>(c)).Caption;
  });
  for (int i = 0; i < list.ItemCount(); ++i) {
    const ui::ListItem& row = list.Item(i);
    AppendLine(out, kReportColumnCount,
               [&row](std::size_t c) { return row.SubItem(static_cast<int>(c)); });
  }
  const auto& panes = refresh.StatusPanes.Panes;
  AppendLine(out, panes.size(), [&panes](std::size_t c) -> const std::string& { return panes[c]; });
  return out;
}

std::string FormatReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                         std::int32_t biasMinutes) {
  switch (format) {
    case ReportFormat::Csv:
      return FormatRunCsv(refresh, biasMinutes);
    case ReportFormat::Json:
      return FormatRunJson(refresh, source, biasMinutes);
    case ReportFormat::Text:
      break;
  }
  return FormatRunReport(refresh);
}

}  // namespace orvanta::present
