#pragma once

#include <cstdint>
#include <string>

namespace orvanta::sources {

// What run reconstruction needs of a history that is not an event log: the journal and the
// login database are translated into these, then served as event records.
enum class HistoryEventKind { Boot, CleanShutdown, Login };

struct HistoryEvent {
  HistoryEventKind Kind = HistoryEventKind::Boot;
  std::int64_t Seconds = 0;  // since 1970, UTC
  std::string User;          // the account name of a login

  friend bool operator==(const HistoryEvent&, const HistoryEvent&) = default;
};

}  // namespace orvanta::sources
