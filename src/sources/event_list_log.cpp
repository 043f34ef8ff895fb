#include "sources/event_list_log.h"

#include <algorithm>
#include <optional>

#include "history/runs.h"
#include "sources/event_record_builder.h"
#include "sources/record_read_check.h"

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

bool EventListLog::Open() {
  m_open = true;
  m_next = m_events.size();
  BuildNext();
  return true;
}

void EventListLog::BuildNext() {
  m_hasRecord = m_next > 0;
  if (!m_hasRecord) {
    return;
  }
  --m_next;
  const HistoryEvent& event = m_events[m_next];
  static const std::vector<std::uint8_t> kNoSid;
  const std::vector<std::uint8_t>& sid =
      event.Kind == HistoryEventKind::Login ? m_sids.SidOf(event.User) : kNoSid;
  BuildEventRecord(m_record, static_cast<std::uint32_t>(m_next + 1), event.Seconds,
                   StoredEventId(EventIdOf(event.Kind)), sid);
}

bool EventListLog::Read(std::uint32_t flags, std::uint32_t /*recordOffset*/,
                        std::span<std::uint8_t> buffer, std::uint32_t& bytesRead,
                        std::uint32_t& bytesNeeded) {
  bytesRead = 0;
  const auto length = static_cast<std::uint32_t>(m_record.size());
  m_lastError = CheckRecordRead(m_open, flags, m_hasRecord ? std::optional(length) : std::nullopt,
                                buffer.size(), bytesNeeded);
  if (m_lastError != 0) {
    return false;
  }
  std::copy(m_record.begin(), m_record.end(), buffer.begin());
  bytesRead = length;
  BuildNext();
  return true;
}

void EventListLog::Close() {
  m_open = false;
  m_hasRecord = false;
}

}  // namespace orvanta::sources
