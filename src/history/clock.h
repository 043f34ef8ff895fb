#pragma once

#include <cstdint>
#include <optional>

namespace orvanta::history {

// Calendar fields as the Windows SYSTEMTIME holds them (month 1-12, day 1-31).
struct SystemTime {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Milliseconds = 0;
  friend bool operator==(const SystemTime&, const SystemTime&) = default;
};

// The system clocks.
class Clock {
 public:
  virtual ~Clock() = default;
  // The local date and time now, to the millisecond.
  virtual SystemTime LocalNow() = 0;
  // Takes the fields as a UTC instant and returns them in local time, applying the offset
  // the zone has now (daylight saving included) whatever the date; nothing on failure.
  virtual std::optional<SystemTime> UtcToLocal(const SystemTime& utc) = 0;
  // Milliseconds since the system started, as a 64-bit count that does not wrap.
  virtual std::uint64_t MillisecondsSinceBoot() = 0;
};

}  // namespace orvanta::history
