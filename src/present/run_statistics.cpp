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

RunFigures ComputeRunFigures(const history::RunList& runs, std::int64_t totalRunSeconds) {
  RunFigures figures;
  figures.Count = static_cast<std::int64_t>(runs.size());
  figures.Days = RunDaySpan(runs);
  figures.TotalHours = totalRunSeconds / 3600;
  figures.AverageHours =
      figures.Count > 0
          ? static_cast<std::int64_t>(std::trunc(static_cast<double>(totalRunSeconds) /
                                                 (static_cast<double>(figures.Count) * 3600.0)))
          : 0;
  return figures;
}

void ShowRunStatistics(const history::RunList& runs, std::int64_t totalRunSeconds,
                       StatusCaptions& captions, const MainWindowTexts& texts) {
  const RunFigures figures = ComputeRunFigures(runs, totalRunSeconds);
  captions.Panes[0] = Caption(texts.RunCountLabel, figures.Count);
  captions.Panes[1] = Caption(texts.DaySpanLabel, figures.Days);
  captions.Panes[2] = Caption(texts.TotalLabel, figures.TotalHours, texts.TotalUnit);
  captions.Panes[3] = Caption(texts.AverageLabel, figures.AverageHours, texts.AverageUnit);
}

}  // namespace orvanta::present
