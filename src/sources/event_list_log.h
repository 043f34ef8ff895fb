#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "history/event_log_api.h"
#include "sources/history_event.h"
#include "sources/sid_cache.h"
#include "sources/user_directory.h"

namespace orvanta::sources {

// Boots, clean shutdowns and logins gathered from a history that is not an event log, served
// as the System log: newest first, a boot as event 6005, a clean shutdown as 6006 and a login
// as 7035 carrying the SID S-1-22-1-<uid> of its user (no SID when the name has no account).
// Events of the same second keep the order they were given in, read backwards.
class EventListLog final : public history::EventLogApi {
 public:
  EventListLog(std::vector<HistoryEvent> events, UserDirectory& users);

  bool Open() override;
  bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) override;
  std::uint32_t LastError() const override { return m_lastError; }
  void Close() override;

 private:
  void BuildNext();

  std::vector<HistoryEvent> m_events;  // oldest first
  SidCache m_sids;
  bool m_open = false;
  std::size_t m_next = 0;  // events not yet served lie below this index
  bool m_hasRecord = false;
  std::vector<std::uint8_t> m_record;
  std::uint32_t m_lastError = 0;
};

}  // namespace orvanta::sources
