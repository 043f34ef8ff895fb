#include "history/timeline_days.h"

#include <algorithm>
#include <limits>

namespace orvanta::history {

namespace {

constexpr std::int64_t kNoChange = std::numeric_limits<std::int64_t>::max();

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1970-01-01 to the proleptic Gregorian date (the era algorithm).
struct CalendarDate {
  std::int64_t Year;
  int Month;
  int Day;
};
CalendarDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = FloorDiv(days, 146097);
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

int WeekdayOf(std::int64_t days) {
  return static_cast<int>(((days + 3) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
}

std::int64_t LocalDayNumber(std::int64_t utc, const ZoneOffset& zone) {
  return FloorDiv(utc + zone(utc), kDaySeconds);
}

// The UTC instant of a local midnight (seconds since 1970 of local time): two rounds settle
// the offset that applies there.
std::int64_t LocalMidnightUtc(std::int64_t localDay, const ZoneOffset& zone) {
  const std::int64_t local = localDay * kDaySeconds;
  std::int64_t utc = local - zone(local);
  return local - zone(utc);
}

// The local days of the rows, oldest first, with where each starts and where within it the
// zone's offset changes (at most once a day).
class DayTable {
 public:
  DayTable(std::int64_t firstDay, std::size_t count, const ZoneOffset& zone)
      : m_firstDay(firstDay) {
    m_start.resize(count + 1);
    m_offset.resize(count + 1);
    m_change.assign(count, kNoChange);
    for (std::size_t i = 0; i <= count; ++i) {
      std::int64_t start = LocalMidnightUtc(firstDay + static_cast<std::int64_t>(i), zone);
      if (i > 0 && start <= m_start[i - 1]) {
        start = m_start[i - 1] + 1;
      }
      m_start[i] = start;
      m_offset[i] = zone(start);
    }
    for (std::size_t i = 0; i < count; ++i) {
      if (m_offset[i] == m_offset[i + 1]) {
        continue;
      }
      std::int64_t lo = m_start[i];  // has the old offset
      std::int64_t hi = m_start[i + 1];
      while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        (zone(mid) == m_offset[i] ? lo : hi) = mid;
      }
      m_change[i] = hi;
    }
  }

  std::size_t Count() const { return m_change.size(); }
  std::int64_t Start(std::size_t i) const { return m_start[i]; }
  std::int64_t Change(std::size_t i) const { return m_change[i]; }
  std::int64_t LocalDay(std::size_t i) const { return m_firstDay + static_cast<std::int64_t>(i); }

  std::size_t DayOf(std::int64_t utc) const {
    const auto it = std::upper_bound(m_start.begin(), m_start.end(), utc);
    return static_cast<std::size_t>(std::max<std::ptrdiff_t>(it - m_start.begin() - 1, 0));
  }

  // Wall-clock seconds after day i's midnight, 0 to 86400.
  std::int32_t Wall(std::int64_t utc, std::size_t i) const {
    const std::int32_t offset = utc < m_change[i] ? m_offset[i] : m_offset[i + 1];
    const std::int64_t wall = utc + offset - LocalDay(i) * kDaySeconds;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(wall, 0, kDaySeconds));
  }

 private:
  std::int64_t m_firstDay;
  std::vector<std::int64_t> m_start;   // count + 1 midnights, UTC
  std::vector<std::int32_t> m_offset;  // at each midnight
  std::vector<std::int64_t> m_change;  // first instant of the new offset, or kNoChange
};

template <class T>
struct Placed {
  std::size_t Day;  // oldest first
  T Value;
};

class Builder {
 public:
  Builder(const DayTable& table, std::vector<TimelineDay>& days)
      : m_table(table), m_days(days), m_awake(table.Count()) {}

  // Cuts [from, to) at the midnights and at the offset changes; Awake time counts towards the
  // days' awake seconds, and with Drawn::No it counts without a piece.
  enum class Drawn { Yes, No };
  void AddSpan(std::int64_t from, std::int64_t to, TimelineKind kind, std::size_t run,
               std::size_t item, Drawn drawn) {
    from = std::max(from, m_table.Start(0));
    to = std::min(to, m_table.Start(m_table.Count()));
    for (std::size_t i = m_table.DayOf(from); from < to && i < m_table.Count(); ++i) {
      if (++m_steps > kMaxTimelinePieces) {
        return;
      }
      const std::int64_t dayEnd = std::min(to, m_table.Start(i + 1));
      TimelineDay& day = m_days[Row(i)];
      if (kind == TimelineKind::Awake) {
        day.AwakeSeconds += dayEnd - from;
        NoteAwake(i, from, dayEnd);
      } else {
        day.AsleepSeconds += dayEnd - from;
      }
      if (drawn == Drawn::Yes) {
        const std::int64_t change = m_table.Change(i);
        if (change > from && change < dayEnd) {
          Add(i, from, change, kind, run, item);
          Add(i, change, dayEnd, kind, run, item);
        } else {
          Add(i, from, dayEnd, kind, run, item);
        }
      }
      from = dayEnd;
    }
  }

  void AddMark(std::int64_t at, TimelineMarkKind kind, std::size_t run, std::size_t item) {
    if (at < m_table.Start(0) || at >= m_table.Start(m_table.Count()) ||
        m_marks.size() >= kMaxTimelinePieces) {
      return;
    }
    const std::size_t i = m_table.DayOf(at);
    m_marks.push_back({i,
                       {m_table.Wall(at, i), kind, static_cast<std::uint32_t>(run),
                        static_cast<std::uint32_t>(item)}});
  }

  // Stores the pieces and marks day by day, newest day first, and the days' awake bounds.
  void Finish(TimelineRows& rows) {
    for (std::size_t i = 0; i < m_awake.size(); ++i) {
      if (const std::optional<UtcSpan>& awake = m_awake[i]) {
        TimelineDay& day = m_days[Row(i)];
        day.FirstOn = m_table.Wall(awake->From, i);
        day.LastOff = awake->To == m_table.Start(i + 1) ? kDaySeconds : m_table.Wall(awake->To, i);
      }
    }
    SortInto(m_pieces, rows.Pieces, &TimelineDay::FirstPiece, &TimelineDay::PieceCount);
    SortInto(m_marks, rows.Marks, &TimelineDay::FirstMark, &TimelineDay::MarkCount);
  }

 private:
  std::size_t Row(std::size_t day) const { return m_table.Count() - 1 - day; }

  // Widens day i's awake bounds (UTC) to hold [from, to).
  void NoteAwake(std::size_t i, std::int64_t from, std::int64_t to) {
    std::optional<UtcSpan>& awake = m_awake[i];
    awake =
        awake ? UtcSpan{std::min(awake->From, from), std::max(awake->To, to)} : UtcSpan{from, to};
  }

  void Add(std::size_t i, std::int64_t from, std::int64_t to, TimelineKind kind, std::size_t run,
           std::size_t item) {
    if (m_pieces.size() >= kMaxTimelinePieces) {
      return;
    }
    // An end takes the offset of its last second, so a piece that stops at a change keeps
    // the old wall clock.
    const std::int32_t wallTo = to == m_table.Start(i + 1)
                                    ? kDaySeconds
                                    : std::min(m_table.Wall(to - 1, i) + 1, kDaySeconds);
    m_pieces.push_back({i,
                        {m_table.Wall(from, i), std::max(wallTo, m_table.Wall(from, i)), kind,
                         static_cast<std::uint32_t>(run), static_cast<std::uint32_t>(item)}});
  }

  template <class T>
  void SortInto(const std::vector<Placed<T>>& entries, std::vector<T>& out,
                std::uint32_t TimelineDay::*first, std::uint32_t TimelineDay::*count) {
    for (const Placed<T>& e : entries) {
      ++(m_days[Row(e.Day)].*count);
    }
    std::uint32_t next = 0;
    for (TimelineDay& day : m_days) {
      day.*first = next;
      next += day.*count;
      day.*count = 0;
    }
    out.resize(entries.size());
    for (const Placed<T>& e : entries) {
      TimelineDay& day = m_days[Row(e.Day)];
      out[day.*first + day.*count] = e.Value;
      ++(day.*count);
    }
  }

  const DayTable& m_table;
  std::vector<TimelineDay>& m_days;
  std::size_t m_steps = 0;  // day parts looked at, drawn or not
  std::vector<Placed<TimelinePiece>> m_pieces;
  std::vector<Placed<TimelineMark>> m_marks;
  std::vector<std::optional<UtcSpan>> m_awake;  // per day, oldest first
};

}  // namespace

std::ptrdiff_t TimelineRows::RowOfRun(std::size_t run) const {
  // The pieces lie newest day first, so the run's last piece in the array is on its first day.
  for (std::size_t p = Pieces.size(); p-- > 0;) {
    if (Pieces[p].Run == run) {
      const auto it = std::upper_bound(
          Days.begin(), Days.end(), p,
          [](std::size_t piece, const TimelineDay& day) { return piece < day.FirstPiece; });
      return (it - Days.begin()) - 1;
    }
  }
  return -1;
}

UtcSpan AwakeSegment(const RunPower& run, std::size_t k, std::int64_t until) {
  const std::int64_t start = run.Start.value_or(0);
  const std::int64_t end = run.End.value_or(until);
  const std::int64_t from = k == 0 ? start : run.Sleeps[k - 1].To;
  const std::int64_t to = k < run.Sleeps.size() ? run.Sleeps[k].From : end;
  return {std::max(from, start), std::min(to, end)};
}

TimelineRows BuildTimelineDays(const PowerHistory& history, std::int64_t until,
                               const ZoneOffset& zone) {
  TimelineRows rows;
  rows.SleepKnown = history.SleepKnown;
  if (!history.HistoryFrom) {
    return rows;
  }
  const std::int64_t first = *history.HistoryFrom;
  until = std::max(until, first);
  const std::int64_t lastDay = LocalDayNumber(until, zone);
  const std::int64_t firstDay = std::max(LocalDayNumber(first, zone),
                                         lastDay - static_cast<std::int64_t>(kMaxTimelineDays) + 1);
  const DayTable table(firstDay, static_cast<std::size_t>(lastDay - firstDay + 1), zone);

  rows.Days.resize(table.Count());
  for (std::size_t i = 0; i < table.Count(); ++i) {
    TimelineDay& day = rows.Days[table.Count() - 1 - i];
    const CalendarDate date = CivilFromDays(table.LocalDay(i));
    day.Year = static_cast<std::int32_t>(date.Year);
    day.Month = static_cast<std::uint8_t>(date.Month);
    day.Day = static_cast<std::uint8_t>(date.Day);
    day.Weekday = static_cast<std::uint8_t>(WeekdayOf(table.LocalDay(i)));
  }
  if (first >= table.Start(0)) {
    rows.Days.back().NoRecordUntil = table.Wall(first, 0);
  }

  Builder builder(table, rows.Days);
  for (std::size_t r = 0; r < history.Runs.size(); ++r) {
    const RunPower& run = history.Runs[r];
    if (!run.Start || run.End.value_or(until) < *run.Start) {
      continue;
    }
    for (std::size_t k = 0; k <= run.Sleeps.size(); ++k) {
      const UtcSpan awake = AwakeSegment(run, k, until);
      const bool unattended = k > 0 && run.Sleeps[k - 1].Attended == false;
      if (unattended) {
        builder.AddMark(awake.From, TimelineMarkKind::UnattendedWake, r, k - 1);
      }
      builder.AddSpan(awake.From, awake.To, TimelineKind::Awake, r, k,
                      unattended ? Builder::Drawn::No : Builder::Drawn::Yes);
    }
    for (std::size_t s = 0; s < run.Sleeps.size(); ++s) {
      const SleepPeriod& sleep = run.Sleeps[s];
      builder.AddSpan(std::max(sleep.From, *run.Start), std::min(sleep.To, run.End.value_or(until)),
                      TimelineKind::Asleep, r, s, Builder::Drawn::Yes);
    }
    if (run.End && (run.EndFoundBy == RunEnd::Reported || run.EndFoundBy == RunEnd::LastSign)) {
      builder.AddMark(*run.End, TimelineMarkKind::UnexpectedEnd, r, 0);
    }
  }
  builder.Finish(rows);
  return rows;
}

LocalFields ToLocalFields(std::int64_t utcSeconds, const ZoneOffset& zone) {
  const std::int64_t local = utcSeconds + zone(utcSeconds);
  const std::int64_t days = FloorDiv(local, kDaySeconds);
  const std::int64_t second = local - days * kDaySeconds;
  const CalendarDate date = CivilFromDays(days);
  return {static_cast<std::int32_t>(date.Year),
          date.Month,
          date.Day,
          static_cast<int>(second / 3600),
          static_cast<int>(second % 3600 / 60),
          WeekdayOf(days)};
}

}  // namespace orvanta::history
