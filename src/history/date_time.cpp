#include "history/date_time.h"

#include <array>
#include <cmath>

namespace orvanta::history {
namespace {

// Days from 1899-12-30 of the first and of the day after the last representable date.
constexpr double kMinDateTime = -693593.0;  // 0001-01-01
constexpr double kMaxDateTime = 2958466.0;  // 10000-01-01

// Days since 1970-01-01 of a proleptic Gregorian date.
constexpr std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
  int Year;
  int Month;
  int Day;
};

constexpr CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

constexpr std::int64_t kUnixEpochDays = static_cast<std::int64_t>(kUnixEpochDateTime);

constexpr bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Writes value as exactly `width` decimal digits (zero-padded) at out.
char* PutDigits(char* out, int value, int width) {
  for (int i = width - 1; i >= 0; --i) {
    out[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return out + width;
}

char* PutDate(char* out, const SystemTime& t) {
  out = PutDigits(out, t.Year, 4);
  *out++ = '-';
  out = PutDigits(out, t.Month, 2);
  *out++ = '-';
  return PutDigits(out, t.Day, 2);
}

}  // namespace

std::optional<DateTime> EncodeDateTime(const SystemTime& f) {
  if (f.Year < 1 || f.Year > 9999 || f.Month < 1 || f.Month > 12 || f.Day < 1 ||
      f.Day > DaysInMonth(f.Year, f.Month) || f.Hour < 0 || f.Hour > 23 || f.Minute < 0 ||
      f.Minute > 59 || f.Second < 0 || f.Second > 59 || f.Milliseconds < 0 ||
      f.Milliseconds > 999) {
    return std::nullopt;
  }
  const double date = static_cast<double>(DaysFromCivil(f.Year, f.Month, f.Day) + kUnixEpochDays);
  const std::int64_t ms = ((f.Hour * 60LL + f.Minute) * 60 + f.Second) * 1000 + f.Milliseconds;
  const double time = static_cast<double>(ms) / static_cast<double>(kMillisecondsPerDay);
  return date >= 0 ? date + time : date - time;
}

std::optional<SystemTime> DecodeDateTime(DateTime value) {
  if (!std::isfinite(value) || value <= kMinDateTime - 1 || value >= kMaxDateTime) {
    return std::nullopt;
  }
  const double datePart = std::trunc(value);
  std::int64_t day = static_cast<std::int64_t>(datePart);
  std::int64_t ms = std::llround(std::fabs(value - datePart) * kMillisecondsPerDay);
  if (ms >= kMillisecondsPerDay) {
    // Rounded up to midnight: the next day in the direction the value counts.
    ms = 0;
    day += value < 0 ? -1 : 1;
  }
  const CivilDate date = CivilFromDays(day - kUnixEpochDays);
  if (date.Year < 1 || date.Year > 9999) {
    return std::nullopt;
  }
  SystemTime t;
  t.Year = date.Year;
  t.Month = date.Month;
  t.Day = date.Day;
  t.Hour = static_cast<int>(ms / 3'600'000);
  t.Minute = static_cast<int>(ms / 60'000 % 60);
  t.Second = static_cast<int>(ms / 1000 % 60);
  t.Milliseconds = static_cast<int>(ms % 1000);
  return t;
}

void AppendDateTime(std::string& out, DateTime value) {
  auto t = DecodeDateTime(value);
  if (!t) {
    return;
  }
  std::array<char, 19> text;
  char* end = PutDate(text.data(), *t);
  *end++ = ' ';
  end = PutDigits(end, t->Hour, 2);
  *end++ = ':';
  end = PutDigits(end, t->Minute, 2);
  *end++ = ':';
  PutDigits(end, t->Second, 2);
  out.append(text.data(), text.size());
}

std::string FormatDateTime(DateTime value) {
  std::string text;
  AppendDateTime(text, value);
  return text;
}

std::string FormatDate(DateTime value) {
  auto t = DecodeDateTime(value);
  if (!t) {
    return {};
  }
  std::array<char, 10> text;
  PutDate(text.data(), *t);
  return std::string(text.data(), text.size());
}

std::string FormatHourMinute(DateTime value) {
  auto t = DecodeDateTime(value);
  if (!t) {
    return {};
  }
  std::array<char, 4> text;
  PutDigits(PutDigits(text.data(), t->Hour, 2), t->Minute, 2);
  return std::string(text.data(), text.size());
}

}  // namespace orvanta::history
