#include "sources/event_list_history.h"

#include <algorithm>

namespace orvanta::sources {

EventListHistory::EventListHistory(std::vector<history::HistoryEvent> events, SleepRecords sleep)
    : m_events(std::move(events)), m_sleep(sleep) {
  std::stable_sort(m_events.begin(), m_events.end(),
                   [](const history::HistoryEvent& a, const history::HistoryEvent& b) {
                     return a.Seconds < b.Seconds;
                   });
}

void EventListHistory::Read(const history::EventSink& sink) {
  for (auto event = m_events.rbegin(); event != m_events.rend(); ++event) {
    sink(*event);
  }
}

}  // namespace orvanta::sources
