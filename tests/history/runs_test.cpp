#include "history/runs.h"

#include <gtest/gtest.h>

#include "history/sid.h"
#include "support/evt_writer.h"
#include "support/fakes.h"
#include "support/worked_example.h"

namespace orvanta::history {
namespace {

using testsupport::BuildEventRecord;
using testsupport::EventSpec;
using testsupport::UnixTime;

const std::vector<std::uint8_t> kSidA = EncodeSid(MakeSid(5, {21, 7, 7, 7, 1001}));
const std::vector<std::uint8_t> kSidB = EncodeSid(MakeSid(5, {21, 7, 7, 7, 1002}));
const std::vector<std::uint8_t> kSidSystem = EncodeSid(MakeSid(5, {18}));
const std::vector<std::uint8_t> kSidLocalService = EncodeSid(MakeSid(5, {19}));
const std::vector<std::uint8_t> kSidNetworkService = EncodeSid(MakeSid(5, {20}));
const std::vector<std::uint8_t> kSidDeleted = EncodeSid(MakeSid(5, {21, 7, 7, 7, 1999}));

class RunsTest : public ::testing::Test {
 protected:
  RunsTest() : m_bias(0) {
    Accounts.Names = {{"S-1-5-21-7-7-7-1001", "userA"},
                      {"S-1-5-21-7-7-7-1002", "userB"},
                      {"S-1-5-18", "SYSTEM"},
                      {"S-1-5-19", "LOCAL SERVICE"},
                      {"S-1-5-20", "NETWORK SERVICE"}};
  }

  // Rebuilds from events given oldest first, as they lie in a log.
  RunList Rebuild(const std::vector<EventSpec>& oldestFirst) {
    std::vector<std::vector<std::uint8_t>> records;
    for (auto event = oldestFirst.rbegin(); event != oldestFirst.rend(); ++event) {
      records.push_back(BuildEventRecord(*event, 1));
    }
    testsupport::FakeEventLog log(records);
    RunList runs;
    RebuildRuns(runs, log, Accounts);
    return runs;
  }

  testsupport::FakeAccounts Accounts;

 private:
  testsupport::ScopedLocalBias m_bias;
};

DateTime At(int y, int mo, int d, int h, int mi = 0) {
  return EventTimeToDateTime(UnixTime(y, mo, d, h, mi), 0);
}

EventSpec Boot(DateTime t) {
  return {6005, static_cast<std::uint32_t>((t - kUnixEpochDateTime) * 86400 + 0.5), {}, 0};
}
EventSpec Shutdown(DateTime t) {
  EventSpec e = Boot(t);
  e.EventId = 6006;
  return e;
}
EventSpec Service(DateTime t, std::vector<std::uint8_t> sid) {
  EventSpec e = Boot(t);
  e.EventId = 7035;
  e.UserSid = std::move(sid);
  return e;
}

RunRecord MakeRun(DateTime boot, DateTime shutdown, std::string user = {}) {
  RunRecord run;
  run.BootTime = boot;
  run.ShutdownTime = shutdown;
  run.UserName = std::move(user);
  return run;
}

TEST_F(RunsTest, RebuildsTheWorkedExample) {
  const RunList runs = Rebuild(testsupport::WorkedExampleEvents(kSidA, kSidB));
  const RunList expected = {
      MakeRun(At(2024, 3, 10, 9), 0, "userA"),
      MakeRun(At(2024, 3, 9, 20), At(2024, 3, 9, 23, 30), "userB"),
      MakeRun(At(2024, 3, 8, 18), 0, "userA"),
      MakeRun(0, At(2024, 3, 7, 22)),
  };
  EXPECT_EQ(runs, expected);
}

struct SequenceCase {
  const char* Name;
  std::vector<EventSpec> OldestFirst;
  RunList Expected;
};

TEST_F(RunsTest, FoldsEventSequences) {
  const DateTime t1 = At(2024, 5, 1, 8);
  const DateTime t2 = At(2024, 5, 1, 9);
  const DateTime t3 = At(2024, 5, 1, 10);
  const DateTime t4 = At(2024, 5, 1, 11);
  const std::vector<SequenceCase> cases = {
      {"empty log", {}, {}},
      {"boot after boot: the older ended abnormally",
       {Boot(t1), Boot(t2)},
       {MakeRun(t2, 0), MakeRun(t1, 0)}},
      {"shutdown after shutdown: the newer has no boot",
       {Shutdown(t1), Shutdown(t2)},
       {MakeRun(0, t2), MakeRun(0, t1)}},
      {"a shutdown never joins a run whose boot was read first",
       {Shutdown(t1), Boot(t2)},
       {MakeRun(t2, 0), MakeRun(0, t1)}},
      {"newest event a shutdown, completed by its boot",
       {Boot(t1), Shutdown(t2)},
       {MakeRun(t1, t2)}},
      {"ignored accounts change nothing, even first",
       {Service(t1, kSidSystem), Service(t2, kSidLocalService), Service(t3, {}),
        Service(t4, kSidDeleted)},
       {}},
      {"network service is a user",
       {Boot(t1), Service(t2, kSidNetworkService)},
       {MakeRun(t1, 0, "NETWORK SERVICE")}},
      {"same second as the boot joins that run",
       {Boot(t1), Service(t1, kSidA)},
       {MakeRun(t1, 0, "userA")}},
      {"the oldest accepted event names the run",
       {Boot(t1), Service(t2, kSidA), Service(t3, kSidB), Shutdown(t4)},
       {MakeRun(t1, t4, "userA")}},
      {"an event before the last boot starts a run of its own",
       {Service(t1, kSidB), Boot(t2)},
       {MakeRun(t2, 0), MakeRun(0, 0, "userB")}},
      {"other codes change nothing",
       {{6008, 1, {}, 0}, {7036, 2, kSidA, 0}, {0x17750000u | 6009, 3, {}, 0}},
       {}},
  };
  for (const SequenceCase& c : cases) {
    EXPECT_EQ(Rebuild(c.OldestFirst), c.Expected) << c.Name;
  }
}

TEST_F(RunsTest, CodesAreTheLowSixteenBitsOfTheEventId) {
  EventSpec boot = Boot(At(2024, 5, 1, 8));
  boot.EventId = 0xC0FF0000u | 6005;
  EventSpec notBoot = Boot(At(2024, 5, 1, 9));
  notBoot.EventId = 0x17750000u | 6004;  // 6005 in the upper half only
  EXPECT_EQ(Rebuild({boot, notBoot}), (RunList{MakeRun(At(2024, 5, 1, 8), 0)}));
}

TEST_F(RunsTest, RebuildingTwiceGivesTheSameRuns) {
  const auto events = testsupport::WorkedExampleEvents(kSidA, kSidB);
  std::vector<std::vector<std::uint8_t>> records;
  for (auto event = events.rbegin(); event != events.rend(); ++event) {
    records.push_back(BuildEventRecord(*event, 1));
  }
  testsupport::FakeEventLog log(records);
  RunList runs;
  RebuildRuns(runs, log, Accounts);
  const RunList first = runs;
  RebuildRuns(runs, log, Accounts);
  EXPECT_EQ(runs, first);
  EXPECT_EQ(runs.size(), 4u);
}

TEST_F(RunsTest, ALogThatDoesNotOpenEmptiesTheRuns) {
  testsupport::FakeEventLog log({});
  log.Opens = false;
  RunList runs = {MakeRun(1000, 2000)};
  RebuildRuns(runs, log, Accounts);
  EXPECT_TRUE(runs.empty());
}

TEST_F(RunsTest, TimesUseTheLocalOffset) {
  testsupport::ScopedLocalBias bias(480);
  const RunList runs = Rebuild({{6005, UnixTime(2024, 3, 9, 22, 13, 20), {}, 0}});
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(FormatDateTime(runs[0].BootTime), "2024-03-10 06:13:20");
}

}  // namespace
}  // namespace orvanta::history
