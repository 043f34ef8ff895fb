#include "present/run_report.h"

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

}  // namespace orvanta::present
