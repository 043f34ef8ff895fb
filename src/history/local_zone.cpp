#include "history/local_zone.h"

#include <ctime>
#include <limits>

namespace orvanta::history {

std::int32_t SystemZoneOffset(std::int64_t utcSeconds) {
  // Outside what a time_t holds the runtime cannot say; no zone is more than a day off.
  if (utcSeconds < 0 || utcSeconds > std::numeric_limits<std::time_t>::max() - 86400) {
    return 0;
  }
  const std::time_t instant = static_cast<std::time_t>(utcSeconds);
  std::tm local{};
#ifdef _WIN32
  if (localtime_s(&local, &instant) != 0) {
    return 0;
  }
  const std::time_t asUtc = _mkgmtime(&local);
  if (asUtc == static_cast<std::time_t>(-1)) {
    return 0;
  }
  const std::int64_t offset = static_cast<std::int64_t>(asUtc) - utcSeconds;
#else
  if (localtime_r(&instant, &local) == nullptr) {
    return 0;
  }
  const std::int64_t offset = local.tm_gmtoff;
#endif
  return offset > -86400 && offset < 86400 ? static_cast<std::int32_t>(offset) : 0;
}

}  // namespace orvanta::history
