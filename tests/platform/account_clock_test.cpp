#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "history/local_time.h"
#include "history/local_zone.h"
#include "history/sid.h"
#include "history/timeline_days.h"
#include "platform/posix/passwd_directory.h"
#include "platform/posix/posix_clock.h"
#include "sources/unix_account_api.h"

namespace orvanta::platform {
namespace {

struct AccountCase {
  history::Sid Sid;
  std::optional<std::string> Name;
};

TEST(UnixAccountApi, NamesWellKnownAccountsAndUnixUsers) {
  PasswdDirectory users;
  sources::UnixAccountApi accounts(users);
  const std::array<AccountCase, 9> cases = {{
      {history::MakeSid(5, {18}), "SYSTEM"},
      {history::MakeSid(5, {19}), "LOCAL SERVICE"},
      {history::MakeSid(5, {20}), "NETWORK SERVICE"},
      {history::MakeSid(22, {1, 0}), "root"},
      {history::MakeSid(22, {1, 4'000'000'000u}), std::nullopt},  // no such uid
      {history::MakeSid(22, {2, 0}), std::nullopt},               // a Unix group, not a user
      {history::MakeSid(5, {21}), std::nullopt},
      {history::MakeSid(5, {21, 1, 2, 3, 1003}), std::nullopt},  // a domain user
      {history::MakeSid(1, {0}), std::nullopt},
  }};
  for (const AccountCase& c : cases) {
    EXPECT_EQ(accounts.LookupAccountSid(history::EncodeSid(c.Sid)), c.Name)
        << history::FormatSid(c.Sid);
  }
  const std::vector<std::uint8_t> truncated = {1, 1, 0, 0, 0, 0, 0, 5, 18};
  EXPECT_EQ(accounts.LookupAccountSid(truncated), std::nullopt);
}

// Runs a body with TZ set, restoring the zone afterwards.
template <typename Body>
void WithZone(const char* zone, Body body) {
  const char* saved = std::getenv("TZ");
  const std::string savedValue = saved ? saved : "";
  ::setenv("TZ", zone, 1);
  ::tzset();
  body();
  if (saved) {
    ::setenv("TZ", savedValue.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
}

struct ZoneCase {
  const char* Zone;
  std::int32_t Bias;
};

TEST(PosixClock, GivesTheZonesOffsetNow) {
  const std::array<ZoneCase, 5> cases = {{
      {"UTC0", 0},
      {"<+08>-8", 480},
      {"<-05>5", -300},
      {"<+0545>-5:45", 345},
      {"<-0330>3:30", -210},
  }};
  for (const ZoneCase& c : cases) {
    WithZone(c.Zone, [&c] {
      PosixClock clock;
      EXPECT_EQ(history::ComputeLocalBias(clock), c.Bias) << c.Zone;
    });
  }
}

TEST(PosixClock, ShiftsByTheOffsetOfNowWhateverTheDate) {
  // A zone whose summer time is in force all year round would not show this; a fixed
  // offset shows the shift of any date, also one across a year's end.
  WithZone("<+08>-8", [] {
    PosixClock clock;
    EXPECT_EQ(clock.UtcToLocal({1999, 12, 31, 20, 30, 0, 5}),
              (history::SystemTime{2000, 1, 1, 4, 30, 0, 5}));
    EXPECT_EQ(clock.UtcToLocal({2023, 2, 29, 0, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(clock.UtcToLocal({2023, 1, 1, 0, 0, 0, 1000}), std::nullopt);
  });
}

TEST(SystemZoneOffset, FollowsTheClockChangesSoDaysKeepTheirRealLength) {
  constexpr std::int64_t k20240331 = 1'711'843'200;  // 2024-03-31 00:00 UTC
  constexpr std::int64_t k20241027 = 1'729'987'200;  // 2024-10-27 00:00 UTC
  struct OffsetCase {
    std::int64_t Utc;
    std::int32_t Offset;
  };
  const std::array<OffsetCase, 5> cases = {{{k20240331 + 3599, 3600},
                                            {k20240331 + 3600, 7200},
                                            {k20241027 + 3599, 7200},
                                            {k20241027 + 3600, 3600},
                                            {std::int64_t{1} << 60, 0}}};
  WithZone("Europe/Berlin", [&cases] {
    for (const OffsetCase& c : cases) {
      EXPECT_EQ(history::SystemZoneOffset(c.Utc), c.Offset) << c.Utc;
    }
    // Awake from local midnight of 03-30 to that of 04-01: 24 hours, then 23.
    history::PowerHistory power;
    power.HistoryFrom = k20240331 - 86400 - 3600;
    power.Runs.resize(1);
    power.Runs[0].Start = power.HistoryFrom;
    power.Runs[0].End = k20240331 + 86400 - 7200 - 1;
    const history::TimelineRows rows =
        history::BuildTimelineDays(power, *power.Runs[0].End, history::SystemZoneOffset);
    ASSERT_EQ(rows.Days.size(), 2u);
    EXPECT_EQ(rows.Days[0].AwakeSeconds, 23 * 3600 - 1);
    EXPECT_EQ(rows.Days[1].AwakeSeconds, 24 * 3600);
  });
}

TEST(PosixClock, LocalNowAndTimeSinceBootArePlausible) {
  WithZone("UTC0", [] {
    PosixClock clock;
    const history::SystemTime now = clock.LocalNow();
    const std::time_t t = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&t, &utc);
    EXPECT_EQ(now.Year, utc.tm_year + 1900);
    EXPECT_GE(now.Milliseconds, 0);
    EXPECT_LE(now.Milliseconds, 999);
    const std::uint64_t first = clock.MillisecondsSinceBoot();
    EXPECT_GT(first, 0u);
    EXPECT_GE(clock.MillisecondsSinceBoot(), first);
  });
}

}  // namespace
}  // namespace orvanta::platform
