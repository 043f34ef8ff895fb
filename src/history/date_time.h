#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "history/clock.h"

namespace orvanta::history {

// Days since 1899-12-30 00:00:00; the fraction is the time of day as a part of 24 hours.
// 0 holds no time; a stored time counts as set when it is greater than 1.0.
using DateTime = double;

inline constexpr DateTime kUnixEpochDateTime = 25569.0;  // 1970-01-01 00:00:00
inline constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

constexpr bool IsTimeSet(DateTime value) {
  return value > 1.0;
}

// Calendar fields (years 1 to 9999) to a DateTime; nothing when a field is out of range.
// Dates before 1899-12-30 are negative with the time of day counted away from zero.
std::optional<DateTime> EncodeDateTime(const SystemTime& fields);

// A DateTime to calendar fields, the time of day taken to the nearest millisecond and read
// from the absolute value for negative values; nothing outside years 1 to 9999.
std::optional<SystemTime> DecodeDateTime(DateTime value);

// "yyyy-MM-dd hh:mm:ss" with hours 00 to 23 and a colon as the time separator.
std::string FormatDateTime(DateTime value);
// Appends what FormatDateTime returns, without a string of its own.
void AppendDateTime(std::string& out, DateTime value);
// "yyyy-MM-dd".
std::string FormatDate(DateTime value);
// "hhnn": two-digit hours and minutes of the time of day, always four digits.
std::string FormatHourMinute(DateTime value);

}  // namespace orvanta::history
