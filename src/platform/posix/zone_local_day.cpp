#include "platform/posix/zone_local_day.h"

#include <ctime>
#include <limits>

namespace orvanta::platform {
namespace {

// The instant of local midnight starting the given calendar day (mktime normalises a day
// past the month's end); none where mktime fails.
std::optional<std::int64_t> LocalMidnight(const std::tm& date, int dayOffset) {
  std::tm midnight{};
  midnight.tm_year = date.tm_year;
  midnight.tm_mon = date.tm_mon;
  midnight.tm_mday = date.tm_mday + dayOffset;
  midnight.tm_isdst = -1;  // whichever holds at that time
  const std::time_t instant = std::mktime(&midnight);
  if (instant == static_cast<std::time_t>(-1)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(instant);
}

}  // namespace

std::optional<history::LocalDay> ZoneLocalDay(std::int64_t utcSeconds) {
  // Years past 9999 or before 1 are no calendar day of any log.
  constexpr std::int64_t kLimit = std::int64_t{253'402'300'800};  // 10000-01-01 UTC
  if (utcSeconds <= -kLimit || utcSeconds >= kLimit ||
      utcSeconds > std::numeric_limits<std::time_t>::max() ||
      utcSeconds < std::numeric_limits<std::time_t>::min()) {
    return std::nullopt;
  }
  const std::time_t instant = static_cast<std::time_t>(utcSeconds);
  std::tm local{};
  if (::localtime_r(&instant, &local) == nullptr) {
    return std::nullopt;
  }
  const std::optional<std::int64_t> start = LocalMidnight(local, 0);
  const std::optional<std::int64_t> end = LocalMidnight(local, 1);
  if (!start || !end) {
    return std::nullopt;
  }
  return history::LocalDay{*start,
                           *end,
                           {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                           static_cast<std::int32_t>(local.tm_gmtoff)};
}

}  // namespace orvanta::platform
