#include "present/run_refresh.h"

#include "present/run_chart.h"
#include "present/run_list.h"

namespace orvanta::present {

RunRefresh::RunRefresh(const MainWindowTexts& texts) : m_texts(texts) {
  SetUpRunListColumns(UiLWMsg);
  SetUpRunChartSeries(Series1);
}

void RunRefresh::Refresh(history::EventLogApi& log, history::AccountApi& accounts) {
  history::RebuildRuns(Runs, log, accounts);
  FillRunList(Runs, UiLWMsg, TotalRunSeconds, m_texts);
  FillRunChart(Runs, Series1);
  ShowRunStatistics(Runs, TotalRunSeconds, StatusPanes, m_texts);
}

}  // namespace orvanta::present
