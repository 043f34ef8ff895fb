#include "history/local_time.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "support/fakes.h"

namespace orvanta::history {
namespace {

// A clock in a zone that is offsetSeconds ahead of UTC now, shifting with std::chrono's
// calendar (independent of the DateTime arithmetic under test).
class ZoneClock : public Clock {
 public:
  ZoneClock(SystemTime now, int offsetSeconds) : m_now(now), m_offset(offsetSeconds) {}
  bool Fails = false;

  SystemTime LocalNow() override { return m_now; }
  std::optional<SystemTime> UtcToLocal(const SystemTime& utc) override {
    if (Fails) {
      return std::nullopt;
    }
    using namespace std::chrono;
    const sys_days day{year{utc.Year} / utc.Month / utc.Day};
    const sys_time<milliseconds> instant = day + hours{utc.Hour} + minutes{utc.Minute} +
                                           seconds{utc.Second} + milliseconds{utc.Milliseconds} +
                                           seconds{m_offset};
    const sys_days shiftedDay = floor<days>(instant);
    const year_month_day ymd{shiftedDay};
    const hh_mm_ss<milliseconds> tod{instant - shiftedDay};
    return SystemTime{int(ymd.year()),
                      int(unsigned(ymd.month())),
                      int(unsigned(ymd.day())),
                      int(tod.hours().count()),
                      int(tod.minutes().count()),
                      int(tod.seconds().count()),
                      int(tod.subseconds().count())};
  }
  std::uint64_t MillisecondsSinceBoot() override { return 0; }

 private:
  SystemTime m_now;
  int m_offset;
};

struct BiasCase {
  int OffsetSeconds;
  std::int32_t Expected;
};

TEST(ComputeLocalBias, GivesTheZoneOffsetInWholeMinutesEastPositive) {
  const std::array<BiasCase, 14> cases = {{
      {8 * 3600, 480},
      {0, 0},
      {-5 * 3600, -300},
      {5 * 3600 + 1800, 330},
      {5 * 3600 + 2700, 345},
      {-(3 * 3600 + 1800), -210},
      {14 * 3600, 840},
      {-12 * 3600, -720},
      {-4 * 3600, -240},            // UTC-5 while its summer time is in force
      {5 * 3600 + 1800 + 45, 330},  // seconds are dropped, not carried
      {-(59), 0},
      // Offsets of a day or more keep their whole days.
      {24 * 3600 + 59 * 60 + 59, 1499},
      {-(24 * 3600 + 59 * 60 + 59), -1499},
      {24 * 3600, 1440},
  }};
  const std::array<SystemTime, 3> moments = {{
      {2024, 3, 10, 9, 15, 30, 250},
      {2023, 12, 31, 23, 59, 59, 999},  // the shift crosses into another year
      {2024, 1, 1, 0, 0, 0, 0},
  }};
  for (const SystemTime& now : moments) {
    for (const BiasCase& c : cases) {
      ZoneClock clock(now, c.OffsetSeconds);
      EXPECT_EQ(ComputeLocalBias(clock), c.Expected)
          << c.OffsetSeconds << " s at " << now.Year << "-" << now.Month;
    }
  }
}

TEST(ComputeLocalBias, AnyFailureGivesZero) {
  ZoneClock failing({2024, 3, 10, 9, 0, 0, 0}, 8 * 3600);
  failing.Fails = true;
  EXPECT_EQ(ComputeLocalBias(failing), 0);
  ZoneClock nonsense({2024, 13, 40, 9, 0, 0, 0}, 8 * 3600);
  EXPECT_EQ(ComputeLocalBias(nonsense), 0);
}

TEST(LocalBiasMinutes, IsProgramWideAndUsedByEventTimes) {
  testsupport::ScopedLocalBias bias(480);
  EXPECT_EQ(LocalBiasMinutes(), 480);
  EXPECT_DOUBLE_EQ(EventTimeToDateTime(0), EventTimeToDateTime(0, 480));
}

struct EventTimeCase {
  std::uint32_t TimeGenerated;
  std::int32_t Bias;
  double Expected;
  const char* Text;
};

TEST(EventTimeToDateTime, AddsTheSecondsAndTheOneOffset) {
  const std::array<EventTimeCase, 5> cases = {{
      {1'700'000'000, 480, 45245.259259259259, "2023-11-15 06:13:20"},
      {0, 480, 25569.333333333333, "1970-01-01 08:00:00"},
      {0, -300, 25568.791666666667, "1969-12-31 19:00:00"},
      {4'294'967'295u, 0, 75279.269618055556, "2106-02-07 06:28:15"},
      {testsupport::UnixTime(2024, 3, 9, 22, 13, 20), 480, 45361.259259259259,
       "2024-03-10 06:13:20"},
  }};
  for (const EventTimeCase& c : cases) {
    const DateTime t = EventTimeToDateTime(c.TimeGenerated, c.Bias);
    EXPECT_NEAR(t, c.Expected, 1e-9) << c.TimeGenerated;
    EXPECT_EQ(FormatDateTime(t), c.Text);
  }
}

}  // namespace
}  // namespace orvanta::history
