#include "present/run_report.h"

namespace orvanta::present {
namespace {

constexpr int kFirstReportColumn = 1;
constexpr std::size_t kReportColumnCount = 5;

// Appends the fields separated by tabs and ends the line; fields missing at the end are empty.
template <typename Field>
void AppendLine(std::string& out, const Field* fields, std::size_t available, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0) {
      out += '\t';
    }
    if (i < available) {
      out += fields[i];
    }
  }
  out += '\n';
}

}  // namespace

std::string FormatRunReport(const RunRefresh& refresh) {
  const ui::ListViewModel& list = refresh.UiLWMsg;
  std::string out;
  out.reserve(static_cast<std::size_t>(list.ItemCount() + 2) * 96);
  std::vector<std::string> captions;
  for (std::size_t c = 0; c < kReportColumnCount; ++c) {
    captions.push_back(list.Column(kFirstReportColumn + static_cast<int>(c)).Caption);
  }
  AppendLine(out, captions.data(), captions.size(), kReportColumnCount);
  for (int i = 0; i < list.ItemCount(); ++i) {
    const std::vector<std::string>& texts = list.Item(i).SubItems;
    AppendLine(out, texts.data(), texts.size(), kReportColumnCount);
  }
  const auto& panes = refresh.StatusPanes.Panes;
  AppendLine(out, panes.data(), panes.size(), panes.size());
  return out;
}

}  // namespace orvanta::present
