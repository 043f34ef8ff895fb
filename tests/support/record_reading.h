#pragma once

#include <cstdint>
#include <vector>

#include "history/event_history.h"
#include "history/event_log_api.h"

namespace orvanta::testsupport {

// Every record the log serves through the reader, newest first, as bytes.
std::vector<std::vector<std::uint8_t>> ReadRecords(history::EventLogApi& log);

// The log of records under a history read from one (a .evt or .evtx file).
history::EventLogApi& RecordLog(history::EventHistory& history);

// Every event the history delivers, in its order.
std::vector<history::HistoryEvent> ReadEvents(history::EventHistory& history);

// The record numbers of records.
std::vector<std::uint32_t> RecordNumbers(const std::vector<std::vector<std::uint8_t>>& records);

}  // namespace orvanta::testsupport
