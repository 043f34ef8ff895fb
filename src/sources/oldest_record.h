#pragma once

#include <cstdint>
#include <optional>

#include "history/event_log_api.h"

namespace orvanta::sources {

// The time of a log's oldest record, read through to its end; nothing when it holds none.
std::optional<std::int64_t> OldestRecordSeconds(history::EventLogApi& log);

}  // namespace orvanta::sources
