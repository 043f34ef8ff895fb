#include "history/local_time.h"

#include <cmath>
#include <exception>
#include <string>

namespace orvanta::history {
namespace {

std::int32_t g_localBiasMinutes = 0;

}  // namespace

std::int32_t LocalBiasMinutes() {
  return g_localBiasMinutes;
}

void SetLocalBiasMinutes(std::int32_t minutes) {
  g_localBiasMinutes = minutes;
}

std::int32_t ComputeLocalBias(Clock& clock) {
  try {
    const SystemTime localNow = clock.LocalNow();
    const std::optional<DateTime> now = EncodeDateTime(localNow);
    const std::optional<SystemTime> shiftedFields = clock.UtcToLocal(localNow);
    if (!now || !shiftedFields) {
      return 0;
    }
    const std::optional<DateTime> shifted = EncodeDateTime(*shiftedFields);
    if (!shifted) {
      return 0;
    }
    const DateTime diff = *shifted - *now;
    const int sign = *shifted > *now ? 1 : -1;
    // Seconds and milliseconds of the difference are dropped, not carried into the minutes.
    const std::string hhnn = FormatHourMinute(diff);
    if (hhnn.size() != 4) {
      return 0;
    }
    const int hours = std::stoi(hhnn.substr(0, 2));
    const int minutes = std::stoi(hhnn.substr(2, 2));
    // "hhnn" holds the time of day only: an offset of a day or more (TZ=XXX-24:59:59) keeps
    // its whole days, counted from the same millisecond rounding.
    const std::int64_t wholeMs =
        std::llround(std::fabs(diff) * static_cast<double>(kMillisecondsPerDay));
    const std::int64_t days = wholeMs / kMillisecondsPerDay;
    return sign * static_cast<std::int32_t>(days * 1440 + hours * 60 + minutes);
  } catch (const std::exception&) {
    return 0;
  }
}

DateTime EventTimeToDateTime(std::uint32_t timeGenerated, std::int32_t biasMinutes) {
  // Summed in this order: the day of 1970-01-01, the seconds as days, the offset as days.
  return kUnixEpochDateTime + static_cast<double>(timeGenerated) / 86400.0 +
         static_cast<double>(biasMinutes) / 1440.0;
}

}  // namespace orvanta::history
