#include "present/duration_text.h"

namespace orvanta::present {

std::string FormatDuration(std::int64_t n, const MainWindowTexts& texts) {
  std::int64_t days = 0;
  std::int64_t hours = 0;
  std::int64_t minutes = 0;
  std::int64_t seconds = 0;
  // Each test compares the whole input, not the remainder left by the larger units.
  if (n > 86400) {
    days = n / 86400;
  }
  if (n > 3600) {
    hours = (n - 86400 * days) / 3600;
  }
  if (n > 60) {
    minutes = (n - 86400 * days - 3600 * hours) / 60;
  }
  if (n > 1) {
    seconds = n - 86400 * days - 3600 * hours - 60 * minutes;
  }
  std::string text;
  auto append = [&text](std::int64_t count, std::string_view unit) {
    if (count > 0) {
      text += std::to_string(count);
      text += unit;
    }
  };
  append(days, texts.DayUnit);
  append(hours, texts.HourUnit);
  append(minutes, texts.MinuteUnit);
  append(seconds, texts.SecondUnit);
  return text;
}

}  // namespace orvanta::present
