#pragma once

#include <cstdint>

#include "history/clock.h"
#include "history/date_time.h"

namespace orvanta::history {

// LocalBiasMinutes: the minutes by which local time is ahead of UTC (480 for UTC+8, -300 for
// UTC-5). Program-wide, owned by this unit: 0 until the main window stores the result of
// ComputeLocalBias at start, unchanged afterwards, so every event is shifted by the one
// offset found at start whatever its date.
std::int32_t LocalBiasMinutes();
void SetLocalBiasMinutes(std::int32_t minutes);

// The zone's offset now, in whole minutes, east positive: the local time now is taken as a
// UTC instant and shifted by the clock; the difference, read as "hhnn", gives the minutes.
// Any failure gives 0.
std::int32_t ComputeLocalBias(Clock& clock);

// An event's TimeGenerated (seconds since 1970-01-01 00:00:00 UTC) as a local DateTime.
DateTime EventTimeToDateTime(std::uint32_t timeGenerated, std::int32_t biasMinutes);
inline DateTime EventTimeToDateTime(std::uint32_t timeGenerated) {
  return EventTimeToDateTime(timeGenerated, LocalBiasMinutes());
}

}  // namespace orvanta::history
