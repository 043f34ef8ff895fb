#include "platform/posix/posix_clock.h"

#include <time.h>

namespace orvanta::platform {
namespace {

history::SystemTime FieldsOf(const tm& t, int milliseconds) {
  history::SystemTime s;
  s.Year = t.tm_year + 1900;
  s.Month = t.tm_mon + 1;
  s.Day = t.tm_mday;
  s.Hour = t.tm_hour;
  s.Minute = t.tm_min;
  s.Second = t.tm_sec;
  s.Milliseconds = milliseconds;
  return s;
}

}  // namespace

history::SystemTime PosixClock::LocalNow() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  ::localtime_r(&now.tv_sec, &local);
  return FieldsOf(local, static_cast<int>(now.tv_nsec / 1'000'000));
}

std::optional<history::SystemTime> PosixClock::UtcToLocal(const history::SystemTime& utc) {
  tm fields{};
  fields.tm_year = utc.Year - 1900;
  fields.tm_mon = utc.Month - 1;
  fields.tm_mday = utc.Day;
  fields.tm_hour = utc.Hour;
  fields.tm_min = utc.Minute;
  fields.tm_sec = utc.Second;
  const time_t instant = ::timegm(&fields);
  // timegm normalises out-of-range fields; such fields are no instant.
  if (instant == static_cast<time_t>(-1) || FieldsOf(fields, utc.Milliseconds) != utc ||
      utc.Milliseconds < 0 || utc.Milliseconds > 999) {
    return std::nullopt;
  }
  // The offset the zone has now, daylight saving included, whatever the date converted.
  const time_t now = ::time(nullptr);
  tm local{};
  if (::localtime_r(&now, &local) == nullptr) {
    return std::nullopt;
  }
  const time_t shifted = instant + local.tm_gmtoff;
  tm out{};
  if (::gmtime_r(&shifted, &out) == nullptr) {
    return std::nullopt;
  }
  return FieldsOf(out, utc.Milliseconds);
}

std::uint64_t PosixClock::MillisecondsSinceBoot() {
  timespec since{};
  if (::clock_gettime(CLOCK_BOOTTIME, &since) != 0) {
    return 0;
  }
  return static_cast<std::uint64_t>(since.tv_sec) * 1000u +
         static_cast<std::uint64_t>(since.tv_nsec) / 1'000'000u;
}

}  // namespace orvanta::platform
