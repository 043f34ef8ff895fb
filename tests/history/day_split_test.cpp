#include "history/day_split.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace orvanta::history {
namespace {

using namespace std::chrono;

std::int64_t Utc(int y, unsigned m, unsigned d, int h = 0, int mi = 0) {
  const sys_seconds t = sys_days{year{y} / m / d} + hours{h} + minutes{mi};
  return t.time_since_epoch().count();
}

// A zone one hour ahead of UTC with the European summer time of 2024 (two hours ahead from
// 03-31 01:00 UTC to 10-27 01:00 UTC), built from std::chrono's calendar rather than the C
// library's zone rules the platform uses.
std::int32_t BerlinOffset(std::int64_t utc) {
  return utc >= Utc(2024, 3, 31, 1) && utc < Utc(2024, 10, 27, 1) ? 7200 : 3600;
}

// The UTC instant of a local midnight (day number since 1970): the offset that holds there.
std::int64_t MidnightUtc(std::int64_t localDay) {
  const std::int64_t local = localDay * 86400;
  return BerlinOffset(local - 7200) == 7200 ? local - 7200 : local - 3600;
}

std::optional<LocalDay> BerlinDay(std::int64_t utc) {
  const std::int32_t offset = BerlinOffset(utc);
  const std::int64_t localDay =
      floor<days>(sys_seconds{seconds{utc + offset}}).time_since_epoch().count();
  return LocalDay{MidnightUtc(localDay), MidnightUtc(localDay + 1), {}, offset};
}

struct Piece {
  std::int64_t DayStart;
  PowerSpan Span;
};

std::vector<Piece> Flatten(const std::vector<DayPieces>& days) {
  std::vector<Piece> out;
  for (const DayPieces& day : days) {
    for (const PowerSpan& span : day.Pieces) {
      out.push_back({day.Day.Start, span});
    }
  }
  return out;
}

void ExpectPieces(const std::vector<DayPieces>& days, const std::vector<Piece>& expected) {
  const std::vector<Piece> got = Flatten(days);
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(got[i].DayStart, expected[i].DayStart);
    EXPECT_EQ(got[i].Span, expected[i].Span);
  }
}

constexpr SpanKind kAwake = SpanKind::Awake;
constexpr SpanKind kAsleep = SpanKind::Asleep;

TEST(DaySplit, ARunOverMidnightIsCutThereWithItsSleep) {
  // Local 22:00 to 03:00 next day in winter (UTC+1), asleep 23:30 to 00:30.
  PowerHistory power;
  power.Periods = {{Utc(2024, 1, 1, 21), Utc(2024, 1, 1, 22, 30), PeriodEnd::Sleep, 0},
                   {Utc(2024, 1, 1, 23, 30), Utc(2024, 1, 2, 2), PeriodEnd::CleanShutdown, 0}};
  power.Runs.resize(1);
  power.Runs[0].Sleeps = {
      {Utc(2024, 1, 1, 22, 30), Utc(2024, 1, 1, 23, 30), SleepKind::Sleep, "", true}};
  const std::int64_t midnight = Utc(2024, 1, 1, 23);
  ExpectPieces(SplitByDay(PowerSpans(power), BerlinDay),
               {{Utc(2023, 12, 31, 23), {Utc(2024, 1, 1, 21), Utc(2024, 1, 1, 22, 30), kAwake, 0}},
                {Utc(2023, 12, 31, 23), {Utc(2024, 1, 1, 22, 30), midnight, kAsleep, 0}},
                {midnight, {midnight, Utc(2024, 1, 1, 23, 30), kAsleep, 0}},
                {midnight, {Utc(2024, 1, 1, 23, 30), Utc(2024, 1, 2, 2), kAwake, 0}}});
}

TEST(DaySplit, DaysOfAClockChangeKeepTheirRealLength) {
  struct Case {
    std::int64_t From, To;
    std::vector<std::int64_t> Cuts;  // the local midnights in between, in UTC
  };
  const std::vector<Case> cases = {
      // Into summer time: 03-31 lasts 23 hours.
      {Utc(2024, 3, 30, 12), Utc(2024, 4, 1, 12), {Utc(2024, 3, 30, 23), Utc(2024, 3, 31, 22)}},
      // Out of it: 10-27 lasts 25 hours.
      {Utc(2024, 10, 26, 12),
       Utc(2024, 10, 28, 12),
       {Utc(2024, 10, 26, 22), Utc(2024, 10, 27, 23)}},
  };
  for (const Case& c : cases) {
    const std::vector<PowerSpan> spans = {{c.From, c.To, kAwake, 2}};
    const std::vector<DayPieces> days = SplitByDay(spans, BerlinDay);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].Pieces[0].From, c.From);
    for (std::size_t i = 0; i < c.Cuts.size(); ++i) {
      EXPECT_EQ(days[i].Pieces[0].To, c.Cuts[i]);
      EXPECT_EQ(days[i + 1].Day.Start, c.Cuts[i]);
      EXPECT_EQ(days[i + 1].Pieces[0].From, c.Cuts[i]);
    }
    EXPECT_EQ(days[2].Pieces[0].To, c.To);
  }
}

TEST(DaySplit, RunsOverSeveralDaysShareTheirDaysInOrder) {
  // Run 1 from day 1 noon to day 4 noon; run 0 boots on day 4 evening; a backward span is
  // skipped. Local days start at 23:00 UTC in winter.
  const std::vector<PowerSpan> spans = {{Utc(2024, 2, 4, 18), Utc(2024, 2, 4, 20), kAwake, 0},
                                        {Utc(2024, 2, 1, 11), Utc(2024, 2, 4, 11), kAwake, 1},
                                        {Utc(2024, 2, 3), Utc(2024, 2, 2), kAwake, 1}};
  const std::vector<DayPieces> days = SplitByDay(spans, BerlinDay);
  ASSERT_EQ(days.size(), 4u);
  std::int64_t total = 0;
  for (std::size_t i = 0; i < days.size(); ++i) {
    EXPECT_EQ(days[i].Day.Start, Utc(2024, 1, 31 + static_cast<unsigned>(i), 23));
    for (const PowerSpan& piece : days[i].Pieces) {
      total += piece.To - piece.From;
    }
  }
  EXPECT_EQ(total, 3 * 86400 + 2 * 3600);
  ASSERT_EQ(days[3].Pieces.size(), 2u);
  EXPECT_EQ(days[3].Pieces[1].Run, 0u);
}

TEST(DaySplit, AHostileSpanOrZoneStaysBounded) {
  const std::vector<PowerSpan> huge = {{0, std::int64_t{1} << 50, kAwake, 0}};
  EXPECT_EQ(SplitByDay(huge, BerlinDay).size(), kMaxSplitDays);
  // A zone that cannot place the instant, or whose day does not hold it, ends the span.
  const LocalDayOf none = [](std::int64_t) { return std::nullopt; };
  const LocalDayOf stuck = [](std::int64_t) { return LocalDay{0, 10, {}, 0}; };
  const std::vector<PowerSpan> span = {{100, 200, kAwake, 0}};
  EXPECT_TRUE(SplitByDay(span, none).empty());
  EXPECT_TRUE(SplitByDay(span, stuck).empty());
}

}  // namespace
}  // namespace orvanta::history
