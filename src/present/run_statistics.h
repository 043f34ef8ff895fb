#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "history/runs.h"
#include "present/main_window_texts.h"

namespace orvanta::present {

// The captions of the four statistics panes of the status bar, in pane order: run count, day
// span, total hours, average hours per run. The main window copies them into its panes.
struct StatusCaptions {
  std::array<std::string, 4> Panes;
};

// Whole days between the newest and the oldest run plus 1 (0 without runs). Each end is the
// run's boot time when set, else its shutdown time.
std::int64_t RunDaySpan(const history::RunList& runs);

// The four figures of the statistics panes: runs, day span, whole hours run in total and whole
// hours per run on average (both cut toward zero).
struct RunFigures {
  std::int64_t Count = 0;
  std::int64_t Days = 0;
  std::int64_t TotalHours = 0;
  std::int64_t AverageHours = 0;
};

RunFigures ComputeRunFigures(const history::RunList& runs, std::int64_t totalRunSeconds);

// Writes the four captions from the runs (as FillRunList left them) and their total seconds.
// 64-bit arithmetic throughout, so no count of runs or seconds can overflow into nonsense.
void ShowRunStatistics(const history::RunList& runs, std::int64_t totalRunSeconds,
                       StatusCaptions& captions, const MainWindowTexts& texts = kMainWindowTexts);

}  // namespace orvanta::present
