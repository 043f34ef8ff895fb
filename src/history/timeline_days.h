#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "history/local_zone.h"
#include "history/power_history.h"

namespace orvanta::history {

inline constexpr std::int32_t kDaySeconds = 86400;

enum class TimelineKind : std::uint8_t { Awake, Asleep };
enum class TimelineMarkKind : std::uint8_t { UnexpectedEnd, UnattendedWake };

// A part of an interval that falls on one day. From and To are wall-clock seconds after the
// day's local midnight (0 to 86400), so a day that loses or gains an hour to daylight saving
// shows a gap or an overlap at the change. Item is the awake segment (see AwakeSegment) or the
// sleep of the run, by index.
struct TimelinePiece {
  std::int32_t From = 0;
  std::int32_t To = 0;
  TimelineKind Kind = TimelineKind::Awake;
  std::uint32_t Run = 0;  // index into the runs, newest at 0
  std::uint32_t Item = 0;

  friend bool operator==(const TimelinePiece&, const TimelinePiece&) = default;
};

// A point on a day: a run's unexpected end, or a wake that no person stayed for (Item: the
// sleep it ended). At: wall-clock seconds after the local midnight.
struct TimelineMark {
  std::int32_t At = 0;
  TimelineMarkKind Kind = TimelineMarkKind::UnexpectedEnd;
  std::uint32_t Run = 0;
  std::uint32_t Item = 0;

  friend bool operator==(const TimelineMark&, const TimelineMark&) = default;
};

// One calendar day of local time. Its pieces and marks are ranges of the rows' flat arrays.
struct TimelineDay {
  std::int32_t Year = 1970;
  std::uint8_t Month = 1;
  std::uint8_t Day = 1;
  std::uint8_t Weekday = 0;        // 0 Monday to 6 Sunday
  std::int32_t NoRecordUntil = 0;  // wall-clock seconds before the history's first record
  std::uint32_t FirstPiece = 0;
  std::uint32_t PieceCount = 0;
  std::uint32_t FirstMark = 0;
  std::uint32_t MarkCount = 0;
  std::int64_t AwakeSeconds = 0;   // real seconds, whatever daylight saving did to the wall clock
  std::int64_t AsleepSeconds = 0;  // real seconds
  // Wall-clock seconds of the day's first awake moment and of the end of its last awake
  // stretch (86400 when awake at the day's end); none on a day without awake time.
  std::optional<std::int32_t> FirstOn;
  std::optional<std::int32_t> LastOff;
};

// The days of a history, newest first, with their pieces stored flat.
struct TimelineRows {
  bool SleepKnown = false;
  std::vector<TimelineDay> Days;
  std::vector<TimelinePiece> Pieces;
  std::vector<TimelineMark> Marks;

  std::span<const TimelinePiece> PiecesOf(std::size_t day) const {
    const TimelineDay& d = Days[day];
    return std::span<const TimelinePiece>(Pieces).subspan(d.FirstPiece, d.PieceCount);
  }
  std::span<const TimelineMark> MarksOf(std::size_t day) const {
    const TimelineDay& d = Days[day];
    return std::span<const TimelineMark>(Marks).subspan(d.FirstMark, d.MarkCount);
  }
  // The row of the day that holds the first piece of a run (its boot), or none.
  std::ptrdiff_t RowOfRun(std::size_t run) const;
};

// Bounds against damaged logs: at most this many days (the newest are kept), and at most this
// many day parts of intervals looked at (what lies beyond is left out of the rows).
inline constexpr std::size_t kMaxTimelineDays = 100000;
inline constexpr std::size_t kMaxTimelinePieces = 2000000;

// A run's awake segment k, UTC seconds: from the boot (k = 0) or the wake of sleep k - 1, to
// sleep k or the run's end (until, while running). From > To for what the log contradicts.
struct UtcSpan {
  std::int64_t From = 0;
  std::int64_t To = 0;
};
UtcSpan AwakeSegment(const RunPower& run, std::size_t k, std::int64_t until);

// Splits the power history into day rows, from the day of its first record to the day of
// until (UTC seconds: now for the live log, the last record for a saved one).
TimelineRows BuildTimelineDays(const PowerHistory& history, std::int64_t until,
                               const ZoneOffset& zone);

// The local calendar fields of an instant (UTC seconds) in a zone.
struct LocalFields {
  std::int32_t Year = 1970;
  int Month = 1;
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Weekday = 0;  // 0 Monday
};
LocalFields ToLocalFields(std::int64_t utcSeconds, const ZoneOffset& zone);

}  // namespace orvanta::history
