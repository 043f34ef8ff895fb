#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "history/event_history.h"
#include "sources/opened.h"

namespace orvanta::sources {

// The events read from a history kept by a library (the journal, the login database). An
// error: nothing could be read. A note: the reading stopped early (and the events before are
// kept), or left something unread.
using GatheredEvents = Opened<std::vector<history::HistoryEvent>>;

// How the note of a history read only up to a point begins; the reason follows.
inline constexpr std::string_view kReadInPart = "read as far as it goes: ";

// Whether a source records sleep at all.
enum class SleepRecords : std::uint8_t { Known, Unknown };

// The events gathered from a history kept by a library (the journal, the login database),
// served newest first. Events of the same second keep the order they were given in, read
// backwards.
class EventListHistory final : public history::EventHistory {
 public:
  EventListHistory(std::vector<history::HistoryEvent> events, SleepRecords sleep);

  void Read(const history::EventSink& sink) override;
  bool SleepKnown() const override { return m_sleep == SleepRecords::Known; }

 private:
  std::vector<history::HistoryEvent> m_events;  // oldest first
  SleepRecords m_sleep;
};

}  // namespace orvanta::sources
