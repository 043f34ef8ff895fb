#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "platform/win32/win32_clock.h"

namespace orvanta::platform {
namespace {

using history::SystemTime;

std::chrono::sys_time<std::chrono::milliseconds> Instant(const SystemTime& t) {
  using namespace std::chrono;
  const sys_days day = year{t.Year} / month{static_cast<unsigned>(t.Month)} /
                       std::chrono::day{static_cast<unsigned>(t.Day)};
  return day + hours{t.Hour} + minutes{t.Minute} + seconds{t.Second} + milliseconds{t.Milliseconds};
}

// How far local time is ahead of UTC now, in whole minutes, through the clock's conversion.
long OffsetMinutes(Win32Clock& clock) {
  const SystemTime now = clock.LocalNow();
  const std::optional<SystemTime> shifted = clock.UtcToLocal(now);
  EXPECT_TRUE(shifted.has_value());
  if (!shifted) {
    return 0;
  }
  return std::chrono::duration_cast<std::chrono::minutes>(Instant(*shifted) - Instant(now)).count();
}

TEST(Win32Clock, LocalNowHasCalendarFields) {
  Win32Clock clock;
  const SystemTime now = clock.LocalNow();
  EXPECT_GE(now.Year, 2020);
  EXPECT_TRUE(now.Month >= 1 && now.Month <= 12);
  EXPECT_TRUE(now.Day >= 1 && now.Day <= 31);
  EXPECT_TRUE(now.Hour >= 0 && now.Hour <= 23);
  EXPECT_TRUE(now.Minute >= 0 && now.Minute <= 59);
  EXPECT_TRUE(now.Second >= 0 && now.Second <= 59);
  EXPECT_TRUE(now.Milliseconds >= 0 && now.Milliseconds <= 999);
}

TEST(Win32Clock, UtcToLocalShiftsByTheZoneOffsetOnly) {
  Win32Clock clock;
  const long offset = OffsetMinutes(clock);
  EXPECT_TRUE(offset >= -12 * 60 && offset <= 14 * 60) << offset;
  const SystemTime midday = {2023, 11, 14, 12, 30, 15, 250};
  const std::optional<SystemTime> local = clock.UtcToLocal(midday);
  ASSERT_TRUE(local.has_value());
  EXPECT_EQ(local->Second, 15);
  EXPECT_EQ(local->Milliseconds, 250);
}

TEST(Win32Clock, ImpossibleDatesFail) {
  const SystemTime cases[] = {
      {2023, 13, 1, 0, 0, 0, 0},   {2023, 2, 30, 0, 0, 0, 0}, {2023, 1, 1, 24, 0, 0, 0},
      {2023, 1, 1, 0, 60, 0, 0},   {-1, 1, 1, 0, 0, 0, 0},    {70000, 1, 1, 0, 0, 0, 0},
      {2023, 1, 1, 0, 0, 0, 1000},
  };
  Win32Clock clock;
  for (const SystemTime& c : cases) {
    EXPECT_EQ(clock.UtcToLocal(c), std::nullopt)
        << c.Year << "-" << c.Month << "-" << c.Day << " " << c.Hour << ":" << c.Minute;
  }
}

TEST(Win32Clock, MillisecondsSinceBootNeverRunsBackwards) {
  Win32Clock clock;
  const std::uint64_t first = clock.MillisecondsSinceBoot();
  const std::uint64_t second = clock.MillisecondsSinceBoot();
  EXPECT_GT(first, 0u);
  EXPECT_GE(second, first);
}

// Run by ctest with TZ set to a fixed-offset zone and the offset Wine must report for it.
TEST(Win32ClockZone, OffsetMatchesTheZone) {
  const char* expected = std::getenv("ORVANTA_EXPECTED_BIAS_MINUTES");
  if (expected == nullptr) {
    GTEST_SKIP() << "run with TZ and ORVANTA_EXPECTED_BIAS_MINUTES set";
  }
  Win32Clock clock;
  EXPECT_EQ(OffsetMinutes(clock), std::stol(expected)) << std::getenv("TZ");
}

}  // namespace
}  // namespace orvanta::platform
