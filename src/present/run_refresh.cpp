#include "present/run_refresh.h"

#include "history/event_record_history.h"
#include "present/run_chart.h"
#include "present/run_list.h"

namespace orvanta::present {

RunRefresh::RunRefresh(const MainWindowTexts& texts)
    : m_ownList(std::make_unique<ui::ListViewModel>()),
      m_ownSeries(std::make_unique<chart::TBarSeries>()),
      UiLWMsg(*m_ownList),
      Series1(*m_ownSeries),
      m_texts(texts) {
  SetUpRunListColumns(UiLWMsg);
  SetUpRunChartSeries(Series1);
}

RunRefresh::RunRefresh(ui::ListViewModel& list, chart::TBarSeries& series,
                       const MainWindowTexts& texts)
    : UiLWMsg(list), Series1(series), m_texts(texts) {}

void RunRefresh::Refresh(history::EventLogApi& log, history::AccountApi& accounts, ChartFill chart,
                         ListFill list) {
  history::EventRecordHistory history(log);
  Refresh(history, accounts, chart, list);
}

void RunRefresh::Refresh(history::EventHistory& history, history::AccountApi& accounts,
                         ChartFill chart, ListFill list, PowerFill power) {
  Power = {};
  history::RebuildRuns(Runs, history, accounts, NewestRecordTime,
                       power == PowerFill::Build ? &Power : nullptr);
  if (list == ListFill::Fill) {
    FillRunList(Runs, UiLWMsg, TotalRunSeconds, m_texts);
  } else {
    UiLWMsg.ClearItems();
    CompleteRuns(Runs, TotalRunSeconds, m_texts);
  }
  if (chart == ChartFill::Fill) {
    FillRunChart(Runs, Series1);
  }
  ShowRunStatistics(Runs, TotalRunSeconds, StatusPanes, m_texts);
  if (OnStatusCaption) {
    for (std::size_t pane = 0; pane < StatusPanes.Panes.size(); ++pane) {
      OnStatusCaption(static_cast<int>(pane), StatusPanes.Panes[pane]);
    }
  }
}

}  // namespace orvanta::present
