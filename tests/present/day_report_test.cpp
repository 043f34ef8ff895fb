#include "present/day_report.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace orvanta::present {
namespace {

using testsupport::UnixTime;

// A zone one hour ahead of UTC all year.
std::int32_t PlusOneHour(std::int64_t) {
  return 3600;
}

// Run 1 boots at 22:00 local on 03-08, is awake over midnight, sleeps 00:30 to 01:30 (a person
// stays) and ends at 02:00; run 0 boots at 11:00, sleeps 13:00 to 13:30 and ends at 14:00.
RunRefresh& FillTwoDays(RunRefresh& refresh, bool sleepKnown) {
  refresh.Runs.resize(2);
  history::PowerHistory& power = refresh.Power;
  power.SleepKnown = sleepKnown;
  power.Runs.resize(2);
  power.HistoryFrom = UnixTime(2024, 3, 8, 21);
  power.HistoryTo = UnixTime(2024, 3, 9, 13);
  power.Runs[1].Start = UnixTime(2024, 3, 8, 21);
  power.Runs[1].End = UnixTime(2024, 3, 9, 1);
  power.Runs[1].EndFoundBy = history::RunEnd::Reported;
  power.Runs[1].Sleeps = {{UnixTime(2024, 3, 8, 23, 30), UnixTime(2024, 3, 9, 0, 30),
                           history::SleepKind::Sleep, "", true}};
  power.Runs[0].Start = UnixTime(2024, 3, 9, 10);
  power.Runs[0].Sleeps = {{UnixTime(2024, 3, 9, 12), UnixTime(2024, 3, 9, 12, 30),
                           history::SleepKind::Sleep, "", false}};
  using history::PeriodEnd;
  power.Periods = {{UnixTime(2024, 3, 8, 21), UnixTime(2024, 3, 8, 23, 30), PeriodEnd::Sleep, 1},
                   {UnixTime(2024, 3, 9, 0, 30), UnixTime(2024, 3, 9, 1), PeriodEnd::Unexpected, 1},
                   {UnixTime(2024, 3, 9, 10), UnixTime(2024, 3, 9, 12), PeriodEnd::Sleep, 0},
                   {UnixTime(2024, 3, 9, 12, 30), UnixTime(2024, 3, 9, 13), PeriodEnd::Running, 0}};
  return refresh;
}

TEST(DayReport, SplitsRunsAtLocalMidnightNewestDayFirst) {
  RunRefresh refresh;
  EXPECT_EQ(FormatDayReport(ReportFormat::Text, FillTwoDays(refresh, true), "w", PlusOneHour),
            "date\tawake_hours\tasleep_hours\tfirst_on\tlast_off\tboots\twakes\tattended_wakes\n"
            "2024-03-09\t3.50\t1.50\t00:00:00\t14:00:00\t1\t2\t1\n"
            "2024-03-08\t2.00\t0.00\t22:00:00\t24:00:00\t1\t0\t0\n");
}

TEST(DayReport, UnknownSleepIsEmptyOrNull) {
  RunRefresh refresh;
  FillTwoDays(refresh, false);
  EXPECT_EQ(FormatDayReport(ReportFormat::Json, refresh, "w", PlusOneHour),
            "{\n  \"source\": \"w\",\n  \"days\": [\n"
            "    {\"date\": \"2024-03-09\", \"awake_hours\": 3.50, \"asleep_hours\": null, "
            "\"first_on\": \"00:00:00\", \"last_off\": \"14:00:00\", \"boots\": 1, \"wakes\": 2, "
            "\"attended_wakes\": 1},\n"
            "    {\"date\": \"2024-03-08\", \"awake_hours\": 2.00, \"asleep_hours\": null, "
            "\"first_on\": \"22:00:00\", \"last_off\": \"24:00:00\", \"boots\": 1, \"wakes\": 0, "
            "\"attended_wakes\": 0}\n  ],\n  \"summary\": {\"sleep_known\": false}\n}\n");
  EXPECT_NE(FormatDayReport(ReportFormat::Csv, refresh, "w", PlusOneHour)
                .find("\r\n2024-03-08,2.00,,22:00:00,24:00:00,1,0,0\r\n"),
            std::string::npos);
}

TEST(DayReport, DaysOfAClockChangeKeepTheirRealLength) {
  // Local 12:00 on 2024-03-30 to 12:00 on 04-01 in central Europe, whose 03-31 lasts 23 hours.
  const auto cet = [](std::int64_t utc) -> std::int32_t {
    return utc >= UnixTime(2024, 3, 31, 1) ? 7200 : 3600;
  };
  RunRefresh refresh;
  refresh.Runs.resize(1);
  history::PowerHistory& power = refresh.Power;
  power.HistoryFrom = UnixTime(2024, 3, 30, 11);
  power.HistoryTo = UnixTime(2024, 4, 1, 10);
  power.Runs.resize(1);
  power.Runs[0].Start = power.HistoryFrom;
  power.Runs[0].End = power.HistoryTo;
  EXPECT_EQ(FormatDayReport(ReportFormat::Csv, refresh, "w", cet),
            "date,awake_hours,asleep_hours,first_on,last_off,boots,wakes,attended_wakes\r\n"
            "2024-04-01,12.00,,00:00:00,12:00:00,0,0,0\r\n"
            "2024-03-31,23.00,,00:00:00,24:00:00,0,0,0\r\n"
            "2024-03-30,12.00,,12:00:00,24:00:00,1,0,0\r\n");
}

}  // namespace
}  // namespace orvanta::present
