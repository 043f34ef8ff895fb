#include "history/day_split.h"

#include <algorithm>
#include <map>

namespace orvanta::history {

std::vector<PowerSpan> PowerSpans(const PowerHistory& power) {
  std::vector<PowerSpan> spans;
  spans.reserve(power.Periods.size());
  for (const PoweredPeriod& period : power.Periods) {
    spans.push_back({period.From, period.To, SpanKind::Awake, period.Run});
  }
  for (std::size_t run = 0; run < power.Runs.size(); ++run) {
    for (const SleepPeriod& sleep : power.Runs[run].Sleeps) {
      spans.push_back({sleep.From, sleep.To, SpanKind::Asleep, run});
    }
  }
  std::stable_sort(spans.begin(), spans.end(),
                   [](const PowerSpan& a, const PowerSpan& b) { return a.From < b.From; });
  return spans;
}

std::vector<DayPieces> SplitByDay(std::span<const PowerSpan> spans, const LocalDayOf& dayOf) {
  std::vector<PowerSpan> ordered(spans.begin(), spans.end());
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const PowerSpan& a, const PowerSpan& b) { return a.From < b.From; });
  // Keyed by the day's start. Spans taken by From append each day's pieces in From order.
  std::map<std::int64_t, DayPieces> days;
  std::size_t pieces = 0;
  bool full = false;
  for (const PowerSpan& span : ordered) {
    std::int64_t cursor = span.From;
    while (!full && cursor < span.To) {
      const std::optional<LocalDay> day = dayOf(cursor);
      if (!day || day->Start > cursor || day->End <= cursor) {
        break;
      }
      const auto [at, added] = days.try_emplace(day->Start, DayPieces{*day, {}});
      if (added && days.size() > kMaxSplitDays) {
        days.erase(at);
        full = true;
        break;
      }
      const std::int64_t end = std::min(span.To, day->End);
      at->second.Pieces.push_back({cursor, end, span.Kind, span.Run});
      full = ++pieces >= kMaxSplitPieces;
      cursor = end;
    }
  }
  std::vector<DayPieces> out;
  out.reserve(days.size());
  for (auto& [start, day] : days) {
    out.push_back(std::move(day));
  }
  return out;
}

}  // namespace orvanta::history
