#pragma once

#include <cstdint>
#include <functional>

namespace orvanta::history {

// A time zone as the offset of local time from UTC at an instant: local = utc + offset, both
// in seconds since 1970. Daylight saving shows as a change of the offset.
using ZoneOffset = std::function<std::int32_t(std::int64_t utcSeconds)>;

// The offset of the zone the C runtime is set to, for the given instant (its daylight saving
// rules included); 0 where the runtime cannot convert the instant.
std::int32_t SystemZoneOffset(std::int64_t utcSeconds);

}  // namespace orvanta::history
