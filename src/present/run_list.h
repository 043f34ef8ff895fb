#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "history/runs.h"
#include "present/main_window_texts.h"
#include "ui/list_view_model.h"

namespace orvanta::present {

// Columns of the run list, and the widths of the user column when shown and hidden.
inline constexpr int kUserColumn = 4;
inline constexpr int kUserColumnWidth = 127;

// What a list row says of its run; the status text and the state image follow from it.
enum class RunState { Running, Clean, Abnormal, NoBoot };

// The state of the run at the given row (0 is the newest): a boot and a shutdown make a clean
// run; otherwise the newest is still running and an older one ended abnormally, or has no boot.
RunState StateOfRun(const history::RunRecord& run, std::size_t row);

// The run list's six columns: the state image, boot time, shutdown time, run length, user,
// and the status text that fills the remaining width.
void SetUpRunListColumns(ui::ListViewModel& list);

// Completes the runs as FillRunList does, without any rows: drops an empty last run, sets every
// RunSeconds and InfoText, and sums the seconds into totalRunSeconds.
void CompleteRuns(history::RunList& runs, std::int64_t& totalRunSeconds,
                  const MainWindowTexts& texts = kMainWindowTexts);

// The texts of a completed run's list row, columns 1 to 5: the list, the text report and the
// exports all take them from here. Times and length are empty where the run has none; the user
// name is as read.
struct RunRowTexts {
  std::string Boot;
  std::string Shutdown;
  std::string Length;
  std::string User;
  std::string Status;
};
RunRowTexts RowTextsOf(const history::RunRecord& run,
                       const MainWindowTexts& texts = kMainWindowTexts);

// Appends the five texts of a completed run's list row (boot, shutdown, run length, user,
// status), separated by tabs, without ending the line; the user's control characters escaped.
void AppendRunRowLine(std::string& out, const history::RunRecord& run,
                      const MainWindowTexts& texts = kMainWindowTexts);

// Rebuilds the rows from the runs, newest first, and completes the runs: drops an empty last
// run, sets every RunSeconds and InfoText, and sums the seconds into totalRunSeconds. Hides the
// user column when no run has a user and shows it again (width 127) when one has; an empty
// RunList leaves the column as it was.
void FillRunList(history::RunList& runs, ui::ListViewModel& list, std::int64_t& totalRunSeconds,
                 const MainWindowTexts& texts = kMainWindowTexts);

// Whole seconds between two local times, as an absolute value (saturating at the largest
// 32-bit count).
std::int32_t SecondsBetween(history::DateTime a, history::DateTime b);

}  // namespace orvanta::present
