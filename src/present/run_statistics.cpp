#include "present/run_statistics.h"

#include <cmath>

namespace orvanta::present {
namespace {

history::DateTime EndTime(const history::RunRecord& run) {
  return history::IsTimeSet(run.BootTime) ? run.BootTime : run.ShutdownTime;
}

std::string Caption(std::string_view label, std::int64_t value, std::string_view unit = {}) {
  std::string text(label);
  text += std::to_string(value);
  text += unit;
  return text;
}

}  // namespace

std::int64_t RunDaySpan(const history::RunList& runs) {
  if (runs.empty()) {
    return 0;
  }
  const double days = std::fabs(EndTime(runs.front()) - EndTime(runs.back()));
  return static_cast<std::int64_t>(std::trunc(days)) + 1;
}

void ShowRunStatistics(const history::RunList& runs, std::int64_t totalRunSeconds,
                       StatusCaptions& captions, const MainWindowTexts& texts) {
  const auto count = static_cast<std::int64_t>(runs.size());
  captions.Panes[0] = Caption(texts.RunCountLabel, count);
  captions.Panes[1] = Caption(texts.DaySpanLabel, RunDaySpan(runs));
  captions.Panes[2] = Caption(texts.TotalLabel, totalRunSeconds / 3600, texts.TotalUnit);
  const std::int64_t average =
      count > 0 ? static_cast<std::int64_t>(std::trunc(static_cast<double>(totalRunSeconds) /
                                                       (static_cast<double>(count) * 3600.0)))
                : 0;
  captions.Panes[3] = Caption(texts.AverageLabel, average, texts.AverageUnit);
}

}  // namespace orvanta::present
