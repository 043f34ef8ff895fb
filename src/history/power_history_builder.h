#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "history/history_event.h"
#include "history/power_history.h"

namespace orvanta::history {

// What the fold of the runs learnt of one run. Times: seconds since 1970 UTC.
struct RunBounds {
  std::optional<std::int64_t> Boot;
  std::optional<std::int64_t> Shutdown;
  std::optional<std::int64_t> LastSign;  // the latest record read between its boot and the next
  BootType Type = BootType::Unknown;     // as its boot event gives it
};

// Everything the power history is built from, gathered in the one reading of a log.
struct PowerEvents {
  std::vector<HistoryEvent> Events;  // every event that is not a boot, clean shutdown or logon
  std::vector<RunBounds> Runs;       // one per run of the run list, newest first
  bool SleepKnown = false;
  std::optional<std::int64_t> HistoryFrom;
  std::optional<std::int64_t> HistoryTo;
};

// A wake shorter than this, without a person's input, is the machine going back to sleep on its
// own (Modern Standby re-sleeps after about 2 minutes); a longer stay is a person's.
inline constexpr std::int64_t kAutomaticResleepSeconds = 120;
// A sleep's end reported twice (a resume event and a record of both ends) within this many
// seconds is one wake.
inline constexpr std::int64_t kSameWakeSeconds = 120;

PowerHistory BuildPowerHistory(PowerEvents input);

}  // namespace orvanta::history
