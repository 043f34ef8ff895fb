#pragma once

#include <cstdint>
#include <vector>

#include "sources/history_event.h"
#include "sources/sid_cache.h"
#include "sources/translating_log.h"
#include "sources/user_directory.h"

namespace orvanta::sources {

// Boots, clean shutdowns and logins gathered from a history that is not an event log, served
// as the System log: newest first, a boot as event 6005, a clean shutdown as 6006 and a login
// as 7035 carrying the SID S-1-22-1-<uid> of its user (no SID when the name has no account).
// Events of the same second keep the order they were given in, read backwards.
class EventListLog final : public TranslatingLog {
 public:
  EventListLog(std::vector<HistoryEvent> events, UserDirectory& users);

 protected:
  void Rewind() override { m_next = m_events.size(); }
  bool TranslateNext(std::vector<std::uint8_t>& record) override;

 private:
  std::vector<HistoryEvent> m_events;  // oldest first
  SidCache m_sids;
  std::size_t m_next = 0;  // events not yet served lie below this index
};

}  // namespace orvanta::sources
