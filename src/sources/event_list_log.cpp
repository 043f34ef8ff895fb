#include "sources/event_list_log.h"

#include <algorithm>

#include "history/runs.h"
#include "sources/event_record_builder.h"

namespace orvanta::sources {
namespace {

constexpr std::uint16_t EventIdOf(HistoryEventKind kind) {
  switch (kind) {
    case HistoryEventKind::Boot:
      return history::kEventBoot;
    case HistoryEventKind::CleanShutdown:
      return history::kEventCleanShutdown;
    case HistoryEventKind::Login:
      return history::kEventServiceControl;
  }
  return history::kEventBoot;
}

}  // namespace

EventListLog::EventListLog(std::vector<HistoryEvent> events, UserDirectory& users)
    : m_events(std::move(events)), m_sids(users) {
  std::stable_sort(
      m_events.begin(), m_events.end(),
      [](const HistoryEvent& a, const HistoryEvent& b) { return a.Seconds < b.Seconds; });
}

bool EventListLog::TranslateNext(std::vector<std::uint8_t>& record) {
  if (m_next == 0) {
    return false;
  }
  --m_next;
  const HistoryEvent& event = m_events[m_next];
  static const std::vector<std::uint8_t> kNoSid;
  const std::vector<std::uint8_t>& sid =
      event.Kind == HistoryEventKind::Login ? m_sids.SidOf(event.User) : kNoSid;
  BuildEventRecord(record, static_cast<std::uint32_t>(m_next + 1), event.Seconds,
                   StoredEventId(EventIdOf(event.Kind)), sid);
  return true;
}

}  // namespace orvanta::sources
