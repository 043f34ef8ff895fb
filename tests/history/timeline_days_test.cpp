#include "history/timeline_days.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvanta::history {
namespace {

// Central European time of 2024: summer time from 2024-03-31 01:00 UTC to 2024-10-27 01:00 UTC.
constexpr std::int64_t kSpringForward = 1711846800;
constexpr std::int64_t kFallBack = 1729990800;
std::int32_t Cet(std::int64_t utc) {
  return utc >= kSpringForward && utc < kFallBack ? 7200 : 3600;
}
std::int32_t China(std::int64_t) {
  return 8 * 3600;
}

RunPower PowerRun(std::int64_t start, std::optional<std::int64_t> end,
                  RunEnd foundBy = RunEnd::Clean) {
  RunPower run;
  run.Start = start;
  run.End = end;
  run.EndFoundBy = foundBy;
  return run;
}

struct Row {
  std::string Date;  // "yyyy-MM-dd w", w the weekday from 0 Monday
  std::vector<TimelinePiece> Pieces;
  std::int64_t AwakeSeconds;
};

std::vector<Row> RowsOf(const TimelineRows& rows) {
  std::vector<Row> out;
  for (std::size_t i = 0; i < rows.Days.size(); ++i) {
    const TimelineDay& d = rows.Days[i];
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %d", d.Year, d.Month, d.Day, d.Weekday);
    const auto pieces = rows.PiecesOf(i);
    out.push_back({date, {pieces.begin(), pieces.end()}, d.AwakeSeconds});
  }
  return out;
}

void ExpectRows(const TimelineRows& rows, const std::vector<Row>& expected) {
  const std::vector<Row> actual = RowsOf(rows);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].Date, expected[i].Date) << i;
    EXPECT_EQ(actual[i].Pieces, expected[i].Pieces) << expected[i].Date;
    EXPECT_EQ(actual[i].AwakeSeconds, expected[i].AwakeSeconds) << expected[i].Date;
  }
}

constexpr auto kAwake = TimelineKind::Awake;

TEST(TimelineDays, ARunOverMidnightSplitsIntoTwoRowsNewestFirst) {
  // Local 2024-03-09 22:00 to 03-10 02:30 at UTC+8; the log starts at 20:00.
  PowerHistory history;
  history.HistoryFrom = 1709992800 - 7200;
  history.Runs = {PowerRun(1709992800, 1709992800 + 16200)};
  const TimelineRows rows = BuildTimelineDays(history, 1709992800 + 16200, China);
  ExpectRows(rows, {{"2024-03-10 6", {{0, 9000, kAwake, 0, 0}}, 9000},
                    {"2024-03-09 5", {{79200, 86400, kAwake, 0, 0}}, 7200}});
  EXPECT_EQ(rows.Days[0].NoRecordUntil, 0);
  EXPECT_EQ(rows.Days[1].NoRecordUntil, 72000);
  EXPECT_EQ(rows.RowOfRun(0), 1);
  EXPECT_EQ(rows.RowOfRun(1), -1);
}

TEST(TimelineDays, DaylightSavingLeavesAGapOrAnOverlapAndCountsRealSeconds) {
  struct Case {
    const char* Name;
    std::int64_t From;  // UTC
    std::int64_t To;
    std::vector<Row> Rows;
  };
  const std::int64_t fallMidnight = 1729980000;  // 2024-10-27 00:00 summer time
  const std::vector<Case> cases = {
      // Local 01:00 to 04:00 on the day the clock skips 02:00 to 03:00: two real hours.
      {"spring",
       kSpringForward - 3600,
       kSpringForward + 3600,
       {{"2024-03-31 6", {{3600, 7200, kAwake, 0, 0}, {10800, 14400, kAwake, 0, 0}}, 7200}}},
      // The whole 25-hour day and one hour of the next: 03:00 back to 02:00 overlaps.
      {"fall",
       fallMidnight,
       fallMidnight + 25 * 3600 + 3600,
       {{"2024-10-28 0", {{0, 3600, kAwake, 0, 0}}, 3600},
        {"2024-10-27 6", {{0, 10800, kAwake, 0, 0}, {7200, 86400, kAwake, 0, 0}}, 90000}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    PowerHistory history;
    history.HistoryFrom = c.From;
    history.Runs = {PowerRun(c.From, c.To)};
    ExpectRows(BuildTimelineDays(history, c.To, Cet), c.Rows);
  }
}

TEST(TimelineDays, SleepsUnattendedWakesAndUnexpectedEnds) {
  // UTC+8, local 2024-03-10 from 00:00: awake 1-2 h, asleep 2-3 h, a wake nobody stayed for
  // 3-3:10, asleep to 4 h, awake to 5 h, found ended at 5 h by the next boot.
  constexpr std::int64_t kMidnight = 1709992800 + 7200;
  const auto at = [](int minutes) { return kMidnight + minutes * 60; };
  PowerHistory history;
  history.SleepKnown = true;
  history.HistoryFrom = kMidnight;
  RunPower run = PowerRun(at(60), at(300), RunEnd::Reported);
  run.Sleeps = {{at(120), at(180), SleepKind::Sleep, "", false},
                {at(190), at(240), SleepKind::Sleep, "", true}};
  history.Runs = {run};
  const TimelineRows rows = BuildTimelineDays(history, at(300), China);
  constexpr auto kAsleep = TimelineKind::Asleep;
  ExpectRows(rows, {{"2024-03-10 6",
                     {{3600, 7200, kAwake, 0, 0},
                      {14400, 18000, kAwake, 0, 2},
                      {7200, 10800, kAsleep, 0, 0},
                      {11400, 14400, kAsleep, 0, 1}},
                     2 * 3600 + 600}});
  EXPECT_EQ(rows.Days[0].AsleepSeconds, 3600 + 3000);
  EXPECT_EQ(rows.Days[0].FirstOn, 3600);
  EXPECT_EQ(rows.Days[0].LastOff, 18000);
  const std::vector<TimelineMark> marks(rows.Marks.begin(), rows.Marks.end());
  EXPECT_EQ(marks, (std::vector<TimelineMark>{{10800, TimelineMarkKind::UnattendedWake, 0, 0},
                                              {18000, TimelineMarkKind::UnexpectedEnd, 0, 0}}));
}

TEST(TimelineDays, DamagedTimesStayBounded) {
  PowerHistory history;
  history.HistoryFrom = -4'000'000'000'000;  // far before any calendar we draw
  history.Runs = {PowerRun(-4'000'000'000'000, 4'000'000'000), PowerRun(100, 50)};
  const TimelineRows rows = BuildTimelineDays(history, 4'000'000'000, China);
  EXPECT_EQ(rows.Days.size(), kMaxTimelineDays);
  EXPECT_EQ(rows.Pieces.size(), kMaxTimelineDays);  // the reversed run draws nothing
  EXPECT_TRUE(BuildTimelineDays(PowerHistory{}, 0, Cet).Days.empty());
  // Runs that all claim the whole range: the work stops at the bound.
  history.Runs.assign(100, history.Runs[0]);
  EXPECT_EQ(BuildTimelineDays(history, 4'000'000'000, China).Pieces.size(), kMaxTimelinePieces);
}

}  // namespace
}  // namespace orvanta::history
