#include <gtest/gtest.h>

#include <algorithm>

#include "history/runs.h"
#include "history/sid.h"
#include "support/fakes.h"

namespace orvanta::history {
namespace {

using testsupport::FakeAccounts;
using testsupport::FakeEventHistory;

const std::int64_t kT0 = testsupport::UnixTime(2017, 7, 20, 8, 0);

// An event at the given minute after kT0.
HistoryEvent At(EventKind kind, std::int64_t minute) {
  HistoryEvent event;
  event.Kind = kind;
  event.Seconds = kT0 + minute * 60;
  return event;
}

// An event of an account's SID: a logon, or a request that names the SID.
HistoryEvent OfSid(EventKind kind, std::int64_t minute, const std::vector<std::uint8_t>& sid) {
  HistoryEvent event = At(kind, minute);
  event.Sid = sid;
  return event;
}

HistoryEvent Wake(std::int64_t minute, std::optional<std::int64_t> fromMinute,
                  std::string source = {}, SleepKind kind = SleepKind::Unknown) {
  HistoryEvent event = At(EventKind::SleepEnd, minute);
  if (fromMinute) {
    event.OtherSeconds = kT0 + *fromMinute * 60;
  }
  event.WakeSource = std::move(source);
  event.Sleep = kind;
  return event;
}

HistoryEvent Start(std::int64_t minute, SleepKind kind = SleepKind::Sleep) {
  HistoryEvent event = At(EventKind::SleepStart, minute);
  event.Sleep = kind;
  return event;
}

HistoryEvent Typed(EventKind kind, std::int64_t minute, BootType type) {
  HistoryEvent event = At(kind, minute);
  event.Boot = type;
  return event;
}

HistoryEvent Report(std::int64_t minute, std::int64_t endedMinute) {
  HistoryEvent event = At(EventKind::UnexpectedShutdownReport, minute);
  event.OtherSeconds = kT0 + endedMinute * 60;
  return event;
}

SleepPeriod Slept(std::int64_t from, std::int64_t to, SleepKind kind, std::string source,
                  bool attended) {
  return {kT0 + from * 60, kT0 + to * 60, kind, std::move(source), attended};
}

struct PowerCase {
  const char* Name;
  std::vector<HistoryEvent> OldestFirst;
  std::size_t Run;  // the run checked, newest at 0
  RunEnd End;
  std::optional<std::int64_t> EndMinute;
  std::vector<SleepPeriod> Sleeps;
  std::int64_t AwakeMinutes;
  std::optional<std::int64_t> AsleepMinutes = 0;
  BootType Boot = BootType::Unknown;
  bool SleepKnown = true;
};

const PowerCase kCases[] = {
    {"a sleep told three times is one, with its wake source",
     {At(EventKind::Boot, 0), Start(60), At(EventKind::SleepEnd, 180),
      Wake(181, 60, "power button"), At(EventKind::CleanShutdown, 300)},
     0,
     RunEnd::Clean,
     300,
     {Slept(60, 181, SleepKind::Sleep, "power button", true)},
     179,
     121},
    {"a wake that goes back to sleep at once is no person's",
     {At(EventKind::Boot, 0), Start(10, SleepKind::ModernStandby),
      Wake(20, std::nullopt, {}, SleepKind::ModernStandby), Start(21, SleepKind::ModernStandby),
      Wake(30, std::nullopt, {}, SleepKind::ModernStandby), At(EventKind::CleanShutdown, 60)},
     0,
     RunEnd::Clean,
     60,
     {Slept(10, 20, SleepKind::ModernStandby, "", false),
      Slept(21, 30, SleepKind::ModernStandby, "", true)},
     41,
     19},
    {"a hybrid boot without a boot event ends a hibernation at the last record before it",
     {At(EventKind::Boot, 0), Typed(EventKind::BootTypeReport, 0, BootType::Cold),
      At(EventKind::LastSignOfLife, 100), Typed(EventKind::BootTypeReport, 400, BootType::Hybrid),
      At(EventKind::LastSignOfLife, 401), At(EventKind::CleanShutdown, 500)},
     0,
     RunEnd::Clean,
     500,
     {Slept(100, 400, SleepKind::Hibernate, "", true)},
     200,
     300,
     BootType::Cold},
    {"a crash is ended where the next boot reports it",
     {At(EventKind::Boot, 0), At(EventKind::LastSignOfLife, 50), At(EventKind::Boot, 100),
      Report(101, 55), At(EventKind::CleanShutdown, 200)},
     1,
     RunEnd::Reported,
     55,
     {},
     55},
    {"a crash without a report ends at its last record",
     {At(EventKind::Boot, 0), At(EventKind::LastSignOfLife, 50), At(EventKind::Boot, 100),
      At(EventKind::CleanShutdown, 200)},
     1,
     RunEnd::LastSign,
     50,
     {},
     50},
    {"the records a boot writes before its boot event are not the crashed run's",
     {At(EventKind::Boot, 0), At(EventKind::LastSignOfLife, 50),
      Typed(EventKind::BootTypeReport, 98, BootType::Unknown), At(EventKind::LastSignOfLife, 99),
      At(EventKind::Boot, 100), At(EventKind::CleanShutdown, 200)},
     1,
     RunEnd::LastSign,
     50,
     {},
     50},
    {"the newest run without a shutdown runs to the history's end",
     {At(EventKind::Boot, 0), At(EventKind::LastSignOfLife, 70)},
     0,
     RunEnd::Running,
     std::nullopt,
     {},
     70},
    {"a failed attempt to sleep is no sleep",
     {At(EventKind::Boot, 0), Start(10),
      [] {
        HistoryEvent failed = Wake(11, std::nullopt);
        failed.Failed = true;
        return failed;
      }(),
      At(EventKind::CleanShutdown, 20)},
     0,
     RunEnd::Clean,
     20,
     {},
     20},
    {"a source without sleep says nothing of it",
     {At(EventKind::Boot, 0), At(EventKind::CleanShutdown, 30)},
     0,
     RunEnd::Clean,
     30,
     {},
     30,
     std::nullopt,
     BootType::Unknown,
     false},
};

class PowerHistoryTest : public ::testing::TestWithParam<PowerCase> {
 protected:
  testsupport::ScopedLocalBias m_bias{0};
};

TEST_P(PowerHistoryTest, BuildsTheRunsPowerFromItsEvents) {
  const PowerCase& c = GetParam();
  FakeEventHistory log;
  log.Events.assign(c.OldestFirst.rbegin(), c.OldestFirst.rend());
  log.Sleep = c.SleepKnown;
  FakeAccounts accounts;
  RunList runs;
  DateTime newest = 0;
  PowerHistory power;
  RebuildRuns(runs, log, accounts, newest, &power);

  ASSERT_EQ(power.Runs.size(), runs.size());
  ASSERT_LT(c.Run, power.Runs.size());
  const RunPower& run = power.Runs[c.Run];
  EXPECT_EQ(run.EndFoundBy, c.End);
  EXPECT_EQ(run.End, c.EndMinute ? std::optional(kT0 + *c.EndMinute * 60) : std::nullopt);
  EXPECT_EQ(run.Sleeps, c.Sleeps);
  EXPECT_EQ(run.AwakeSeconds, c.AwakeMinutes * 60);
  EXPECT_EQ(run.AsleepSeconds,
            c.AsleepMinutes ? std::optional(*c.AsleepMinutes * 60) : std::nullopt);
  EXPECT_EQ(run.Boot, c.Boot);
  // Powered periods and sleeps tile the run without overlap.
  std::int64_t covered = 0;
  for (const PoweredPeriod& period : power.Periods) {
    EXPECT_LE(period.From, period.To);
    covered += period.Run == c.Run ? period.To - period.From : 0;
  }
  EXPECT_EQ(covered, run.AwakeSeconds);
}

INSTANTIATE_TEST_SUITE_P(Cases, PowerHistoryTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PowerHistory, AShutdownRequestNamesItsSidAndTheRunsEnd) {
  testsupport::ScopedLocalBias bias(0);
  const std::vector<std::uint8_t> sid = EncodeSid(MakeSid(5, {21, 9, 9, 9, 500}));
  const HistoryEvent logon = OfSid(EventKind::Logon, 5, sid);
  HistoryEvent request = OfSid(EventKind::ShutdownRequest, 59, sid);
  request.Shutdown = {"C:\\Windows\\system32\\winlogon.exe (HOST)", "HOST\\Administrator",
                      "No title for this reason could be found", "0x500ff", "power off"};
  FakeEventHistory log;
  log.Events = {At(EventKind::CleanShutdown, 60), request, logon, At(EventKind::Boot, 0)};
  FakeAccounts accounts;
  RunList runs;
  DateTime newest = 0;
  PowerHistory power;
  RebuildRuns(runs, log, accounts, newest, &power);
  ASSERT_EQ(runs.size(), 1U);
  EXPECT_EQ(runs[0].UserName, "Administrator");
  ASSERT_TRUE(power.Runs[0].Shutdown);
  EXPECT_EQ(*power.Runs[0].Shutdown, request.Shutdown);
  EXPECT_EQ(power.HistoryFrom, kT0);
  EXPECT_EQ(power.HistoryTo, kT0 + 3600);
}

TEST(PowerHistory, ANameTheLogReadsAfterTheLogonStillNamesIt) {
  testsupport::ScopedLocalBias bias(0);
  const std::vector<std::uint8_t> sid = EncodeSid(MakeSid(5, {21, 9, 9, 9, 1001}));
  const HistoryEvent logon = OfSid(EventKind::Logon, 105, sid);
  HistoryEvent request = OfSid(EventKind::ShutdownRequest, 59, sid);
  request.Shutdown.User = "HOST\\ann";
  FakeEventHistory log;
  log.Events = {At(EventKind::CleanShutdown, 160), logon,   At(EventKind::Boot, 100),
                At(EventKind::CleanShutdown, 60),  request, At(EventKind::Boot, 0)};
  FakeAccounts accounts;
  RunList runs;
  DateTime newest = 0;
  RebuildRuns(runs, log, accounts, newest);
  ASSERT_EQ(runs.size(), 2U);
  EXPECT_EQ(runs[0].UserName, "ann");
  EXPECT_EQ(runs[1].UserName, "");
}

}  // namespace
}  // namespace orvanta::history
