#pragma once

#include <functional>
#include <optional>
#include <string>

#include "history/history_event.h"

namespace orvanta::history {

using EventSink = std::function<void(const HistoryEvent&)>;

// A history of events, read whole, newest first, as often as asked. Reading an unreadable
// source delivers nothing.
class EventHistory {
 public:
  virtual ~EventHistory() = default;
  virtual void Read(const EventSink& sink) = 0;
  // Whether the source records sleep at all: when not, a history without sleeps says nothing.
  virtual bool SleepKnown() const { return true; }
  // The machine the log names, once it was read, empty where its records name none; nothing
  // where the history cannot tell without another look at its source.
  virtual std::optional<std::string> Machine() const { return std::nullopt; }
};

}  // namespace orvanta::history
