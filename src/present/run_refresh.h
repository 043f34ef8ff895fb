#pragma once

#include <cstdint>

#include "chart/bar_series.h"
#include "history/account_api.h"
#include "history/event_log_api.h"
#include "history/runs.h"
#include "present/main_window_texts.h"
#include "present/run_statistics.h"
#include "ui/list_view_model.h"

namespace orvanta::present {

// The data behind the main window's refresh: the runs, their total seconds, the run list's
// rows (UiLWMsg), the run chart's series (Series1) and the four statistics captions. The main
// window owns one; it runs headless, so tests and the report mode use it as they are.
class RunRefresh {
 public:
  explicit RunRefresh(const MainWindowTexts& texts = kMainWindowTexts);

  // The Refresh command: RebuildRuns, FillRunList, FillRunChart, ShowRunStatistics, always all
  // four and in this order, since each reads what the one before has left.
  void Refresh(history::EventLogApi& log, history::AccountApi& accounts);

  history::RunList Runs;
  std::int64_t TotalRunSeconds = 0;
  ui::ListViewModel UiLWMsg;
  chart::TBarSeries Series1;
  StatusCaptions StatusPanes;

  const MainWindowTexts& Texts() const { return m_texts; }

 private:
  MainWindowTexts m_texts;
};

}  // namespace orvanta::present
