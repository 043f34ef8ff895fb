#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "history/power_history.h"

namespace orvanta::history {

// A date of the local calendar.
struct CivilDate {
  std::int32_t Year = 0;
  std::int32_t Month = 0;  // 1 to 12
  std::int32_t Day = 0;    // 1 to 31

  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The local calendar day an instant falls in: [Start, End) in seconds since 1970 UTC, 23 or 25
// hours long on a day the clocks change, and the zone's offset at that instant.
struct LocalDay {
  std::int64_t Start = 0;
  std::int64_t End = 0;
  CivilDate Date;
  std::int32_t OffsetSeconds = 0;  // local time minus UTC, east positive

  friend bool operator==(const LocalDay&, const LocalDay&) = default;
};

// A time zone's rules: the local day of an instant (seconds since 1970 UTC), none where the
// zone cannot say. Injected, so tests can give a fixed table and the platform the real zone.
using LocalDayOf = std::function<std::optional<LocalDay>(std::int64_t utcSeconds)>;

enum class SpanKind : std::uint8_t { Awake, Asleep };

// A stretch of one run, [From, To) in seconds since 1970 UTC.
struct PowerSpan {
  std::int64_t From = 0;
  std::int64_t To = 0;
  SpanKind Kind = SpanKind::Awake;
  std::size_t Run = 0;  // index into the runs (and the run list), newest at 0

  friend bool operator==(const PowerSpan&, const PowerSpan&) = default;
};

// One local day and the pieces of the spans that fall in it, ordered by From.
struct DayPieces {
  LocalDay Day;  // its offset is the one at the first piece's start
  std::vector<PowerSpan> Pieces;
};

// The awake periods and the sleeps of a power history as spans, ordered by From.
std::vector<PowerSpan> PowerSpans(const PowerHistory& power);

// Cuts the spans at the local midnights given by dayOf: the days that hold a piece, oldest
// first. Empty or backward spans are skipped, and a span stops where the zone cannot place it.
// A history past kMaxSplitDays days or kMaxSplitPieces pieces (a hostile log's times) ends
// there, so time and memory stay bounded.
inline constexpr std::size_t kMaxSplitDays = 100'000;
inline constexpr std::size_t kMaxSplitPieces = 1'000'000;
std::vector<DayPieces> SplitByDay(std::span<const PowerSpan> spans, const LocalDayOf& dayOf);

}  // namespace orvanta::history
