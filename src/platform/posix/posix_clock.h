#pragma once

#include "history/clock.h"

namespace orvanta::platform {

// The system clocks through the C library: local time and the zone's offset from the TZ
// database, the time since boot from CLOCK_BOOTTIME (suspend included).
class PosixClock final : public history::Clock {
 public:
  history::SystemTime LocalNow() override;
  std::optional<history::SystemTime> UtcToLocal(const history::SystemTime& utc) override;
  std::uint64_t MillisecondsSinceBoot() override;
};

}  // namespace orvanta::platform
