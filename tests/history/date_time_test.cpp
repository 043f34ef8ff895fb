#include "history/date_time.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>

#include "history/local_time.h"

namespace orvanta::history {
namespace {

struct EncodeCase {
  SystemTime Fields;
  double Expected;
};

TEST(DateTime, EncodesCalendarFields) {
  const std::array<EncodeCase, 6> cases = {{
      {{1899, 12, 30, 0, 0, 0, 0}, 0.0},
      {{1970, 1, 1, 0, 0, 0, 0}, 25569.0},
      {{1970, 1, 1, 12, 0, 0, 0}, 25569.5},
      {{2000, 2, 29, 6, 0, 0, 0}, 36585.25},
      {{1899, 12, 29, 6, 0, 0, 0}, -1.25},  // negative dates count the time away from zero
      {{9999, 12, 31, 0, 0, 0, 0}, 2958465.0},
  }};
  for (const EncodeCase& c : cases) {
    auto value = EncodeDateTime(c.Fields);
    ASSERT_TRUE(value.has_value()) << c.Fields.Year;
    EXPECT_DOUBLE_EQ(*value, c.Expected) << c.Fields.Year << "-" << c.Fields.Month;
  }
}

TEST(DateTime, RejectsFieldsOutOfRange) {
  const std::array<SystemTime, 8> bad = {{
      {0, 1, 1, 0, 0, 0, 0},
      {10000, 1, 1, 0, 0, 0, 0},
      {2023, 13, 1, 0, 0, 0, 0},
      {2023, 2, 29, 0, 0, 0, 0},
      {2100, 2, 29, 0, 0, 0, 0},
      {2024, 1, 1, 24, 0, 0, 0},
      {2024, 1, 1, 0, 60, 0, 0},
      {2024, 1, 1, 0, 0, 0, 1000},
  }};
  for (const SystemTime& fields : bad) {
    EXPECT_FALSE(EncodeDateTime(fields).has_value()) << fields.Year << "-" << fields.Month;
  }
  EXPECT_TRUE(EncodeDateTime({2000, 2, 29, 0, 0, 0, 0}).has_value());
}

TEST(DateTime, DecodeReadsTheTimeOfDayToTheMillisecondAndFromTheAbsoluteValue) {
  EXPECT_EQ(DecodeDateTime(-0.25), (SystemTime{1899, 12, 30, 6, 0, 0, 0}));
  EXPECT_EQ(DecodeDateTime(-1.25), (SystemTime{1899, 12, 29, 6, 0, 0, 0}));
  // Just below midnight rounds up to the next day rather than to hour 24.
  EXPECT_EQ(DecodeDateTime(45000.0 - 1e-10), (SystemTime{2023, 3, 15, 0, 0, 0, 0}));
  EXPECT_EQ(DecodeDateTime(25569.0 + 1.5 / 86400000.0 * 1000),
            (SystemTime{1970, 1, 1, 0, 0, 1, 500}));
}

TEST(DateTime, RoundTripsEveryMillisecondFieldItEncodes) {
  const std::array<SystemTime, 4> samples = {{
      {1601, 1, 1, 0, 0, 0, 0},
      {2024, 2, 29, 23, 59, 59, 999},
      {2106, 2, 7, 6, 28, 15, 0},
      {1900, 3, 1, 12, 30, 45, 123},
  }};
  for (const SystemTime& fields : samples) {
    EXPECT_EQ(DecodeDateTime(*EncodeDateTime(fields)), fields) << fields.Year;
  }
}

TEST(DateTime, NonFiniteAndOutOfRangeValuesFormatAsEmpty) {
  EXPECT_FALSE(DecodeDateTime(std::numeric_limits<double>::quiet_NaN()).has_value());
  EXPECT_FALSE(DecodeDateTime(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(DecodeDateTime(1e300).has_value());
  EXPECT_EQ(FormatDateTime(-1e9), "");
}

TEST(DateTime, FormatsThePatterns) {
  const DateTime t = *EncodeDateTime({2024, 3, 9, 7, 5, 3, 0});
  EXPECT_EQ(FormatDateTime(t), "2024-03-09 07:05:03");
  EXPECT_EQ(FormatDate(t), "2024-03-09");
  EXPECT_EQ(FormatHourMinute(t), "0705");
  EXPECT_EQ(FormatDateTime(0), "1899-12-30 00:00:00");
  EXPECT_EQ(FormatHourMinute(-0.2083333333333), "0500");
}

// The C library's UTC calendar is an independent oracle for every event second.
// The C library's calendar with 64-bit seconds on every build: a 32-bit Windows time_t ends in
// 2038, while event times run to 2106.
std::optional<std::tm> UtcCalendar(std::int64_t seconds) {
#ifdef _WIN32
  const __time64_t time = seconds;
  const std::tm* utc = _gmtime64(&time);
  return utc ? std::optional<std::tm>(*utc) : std::nullopt;
#else
  static_assert(sizeof(std::time_t) >= 8, "the oracle needs 64-bit seconds");
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm utc{};
  return gmtime_r(&time, &utc) ? std::optional<std::tm>(utc) : std::nullopt;
#endif
}

TEST(DateTime, EventTimesFormatAsTheCLibraryDoes) {
  for (std::uint64_t t = 0; t <= 0xFFFFFFFFull; t += 7'777'777) {
    const std::uint64_t seconds = t + (t % 86400);
    if (seconds > 0xFFFFFFFFull) {
      break;
    }
    const std::optional<std::tm> utc = UtcCalendar(static_cast<std::int64_t>(seconds));
    ASSERT_TRUE(utc.has_value()) << seconds;
    char expected[32];
    std::strftime(expected, sizeof expected, "%Y-%m-%d %H:%M:%S", &*utc);
    EXPECT_EQ(FormatDateTime(EventTimeToDateTime(static_cast<std::uint32_t>(seconds), 0)), expected)
        << seconds;
  }
}

}  // namespace
}  // namespace orvanta::history
