#pragma once

#include <cstdint>
#include <optional>

#include "history/day_split.h"

namespace orvanta::platform {

// The local day of an instant (seconds since 1970 UTC) under the C library's zone (TZ and the
// zone database), with the real length of days the clocks change on; none outside its range.
std::optional<history::LocalDay> ZoneLocalDay(std::int64_t utcSeconds);

}  // namespace orvanta::platform
