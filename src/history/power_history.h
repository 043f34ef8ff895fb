#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/history_event.h"

namespace orvanta::history {

// How a run's end was found.
enum class RunEnd : std::uint8_t {
  Clean,     // a clean shutdown event
  Reported,  // unexpected; the next boot reported when it ended
  LastSign,  // unexpected; ended at its last record
  Running,   // no end yet: the newest run of the log
};

// One sleep of a run, from going to sleep to the wake. Times: seconds since 1970 UTC.
struct SleepPeriod {
  std::int64_t From = 0;
  std::int64_t To = 0;
  SleepKind Kind = SleepKind::Unknown;
  std::string WakeSource;        // empty when the log does not say
  std::optional<bool> Attended;  // whether a person stayed after the wake, where known

  friend bool operator==(const SleepPeriod&, const SleepPeriod&) = default;
};

// A run as the power history sees it. Times: seconds since 1970 UTC.
struct RunPower {
  std::optional<std::int64_t> Start;  // its boot
  std::optional<std::int64_t> End;    // the end as found; none while running
  RunEnd EndFoundBy = RunEnd::Running;
  BootType Boot = BootType::Unknown;
  // Who asked for its clean shutdown and why, where the log says; shared, as most runs have none.
  std::shared_ptr<const ShutdownDetails> Shutdown;
  std::vector<SleepPeriod> Sleeps;  // oldest first
  // Awake and asleep time between Start and End (or the history's end while running);
  // AsleepSeconds is none where the source records no sleep.
  std::int64_t AwakeSeconds = 0;
  std::optional<std::int64_t> AsleepSeconds;
  bool ClockMovedBack = false;  // its shutdown lies before its boot: the clock was set back

  friend bool operator==(const RunPower&, const RunPower&) = default;
};

// What ended a powered period.
enum class PeriodEnd : std::uint8_t { CleanShutdown, Sleep, Hibernation, Unexpected, Running };

// A stretch of time the machine was awake: from a boot or a wake to what ended it.
struct PoweredPeriod {
  std::int64_t From = 0;
  std::int64_t To = 0;
  PeriodEnd End = PeriodEnd::Running;
  std::size_t Run = 0;  // index into the runs (and the run list), newest at 0

  friend bool operator==(const PoweredPeriod&, const PoweredPeriod&) = default;
};

// The power history of a log, built beside the runs from the same events.
struct PowerHistory {
  bool SleepKnown = false;
  std::optional<std::int64_t> HistoryFrom;  // the oldest record's time
  std::optional<std::int64_t> HistoryTo;    // the newest record's time
  std::vector<RunPower> Runs;               // one per run of the run list, same order
  std::vector<PoweredPeriod> Periods;       // oldest first

  friend bool operator==(const PowerHistory&, const PowerHistory&) = default;
};

}  // namespace orvanta::history
