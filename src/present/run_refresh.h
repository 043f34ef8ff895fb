#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "chart/bar_series.h"
#include "history/account_api.h"
#include "history/event_log_api.h"
#include "history/runs.h"
#include "present/main_window_texts.h"
#include "present/run_statistics.h"
#include "ui/list_view_model.h"

namespace orvanta::present {

// Whether a refresh feeds the chart; a report, which shows none, spares the memory and time.
enum class ChartFill { Fill, Skip };
// Whether a refresh builds the run list's rows; the text report writes its rows from the runs.
enum class ListFill { Fill, Skip };
// Whether a refresh builds the power history; the text report, which shows none of it, spares
// its memory.
enum class PowerFill { Build, Skip };

// The data behind the main window's refresh: the runs, their total seconds, the run list's
// rows (UiLWMsg), the run chart's series (Series1) and the four statistics captions. The main
// window binds one to its own list view model and chart series; built without them it keeps a
// list and a series of its own, set up as the window sets up its, so the report mode and the
// tests run it headless.
class RunRefresh {
 public:
  explicit RunRefresh(const MainWindowTexts& texts = kMainWindowTexts);
  // Fills the given list and series, which must outlive the refresh. Their columns and
  // settings are the caller's (SetUpRunListColumns, SetUpRunChartSeries).
  RunRefresh(ui::ListViewModel& list, chart::TBarSeries& series,
             const MainWindowTexts& texts = kMainWindowTexts);
  RunRefresh(const RunRefresh&) = delete;
  RunRefresh& operator=(const RunRefresh&) = delete;

  // The Refresh command: RebuildRuns, FillRunList, FillRunChart, ShowRunStatistics, always all
  // four and in this order, since each reads what the one before has left. The captions go to
  // OnStatusCaption last, pane 0 to 3 in order. With ChartFill::Skip the series is left as it was;
  // with ListFill::Skip the list is emptied and the runs are only completed (CompleteRuns).
  void Refresh(history::EventLogApi& log, history::AccountApi& accounts,
               ChartFill chart = ChartFill::Fill, ListFill list = ListFill::Fill);
  // The same for any history; the power history is built beside the runs.
  void Refresh(history::EventHistory& history, history::AccountApi& accounts,
               ChartFill chart = ChartFill::Fill, ListFill list = ListFill::Fill,
               PowerFill power = PowerFill::Build);

 private:
  // Storage of a headless refresh; declared before the references that may point into it.
  std::unique_ptr<ui::ListViewModel> m_ownList;
  std::unique_ptr<chart::TBarSeries> m_ownSeries;

 public:
  history::RunList Runs;
  std::int64_t TotalRunSeconds = 0;
  // The local time of the newest record the last refresh read; 0 for none.
  history::DateTime NewestRecordTime = 0;
  // Sleeps, wakes and how each run ended, one entry per run of Runs.
  history::PowerHistory Power;
  ui::ListViewModel& UiLWMsg;
  chart::TBarSeries& Series1;
  StatusCaptions StatusPanes;
  // Where the window's status panes take their captions (pane index 0 to 3).
  std::function<void(int pane, const std::string& caption)> OnStatusCaption;

  const MainWindowTexts& Texts() const { return m_texts; }

 private:
  MainWindowTexts m_texts;
};

}  // namespace orvanta::present
