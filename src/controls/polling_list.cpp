#include "controls/polling_list.h"

#include <algorithm>

#include "controls/polling_status.h"

namespace orvanta::controls {

namespace {

// Program-wide: the panes of every window share the one timer.
std::unique_ptr<TUiPollingList> g_pollingList;

}  // namespace

TUiPollingList::TUiPollingList() {
  m_timer.SetInterval(kDefaultInterval);
  m_timer.OnTimer = [this] { Tick(); };
}

TUiPollingList* TUiPollingList::Instance() {
  return g_pollingList.get();
}

void TUiPollingList::Register(TUiPollingStatus& pane) {
  if (!g_pollingList) {
    g_pollingList = std::make_unique<TUiPollingList>();
  }
  g_pollingList->m_panes.push_back(&pane);
}

void TUiPollingList::Unregister(TUiPollingStatus& pane) {
  if (!g_pollingList) {
    return;
  }
  std::erase(g_pollingList->m_panes, &pane);
  if (g_pollingList->m_panes.empty()) {
    g_pollingList.reset();
  }
}

void TUiPollingList::Tick() {
  // A tick action may create or destroy panes; walk a copy and skip the departed.
  const std::vector<TUiPollingStatus*> panes = m_panes;
  for (TUiPollingStatus* pane : panes) {
    if (std::find(m_panes.begin(), m_panes.end(), pane) != m_panes.end() && pane->Showing()) {
      pane->TimerExpired();
    }
    if (Instance() != this) {
      return;  // the last pane went away inside the walk
    }
  }
}

}  // namespace orvanta::controls
