#include "present/duration_text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace orvanta::present {

void AppendDuration(std::string& text, std::int64_t n, const MainWindowTexts& texts) {
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
  // Built in a local buffer, so the text grows once (a list fill makes one per run).
  std::array<char, 128> buffer;
  char* out = buffer.data();
  char* const end = buffer.data() + buffer.size();
  auto append = [&out, end](std::int64_t count, std::string_view unit) {
    if (count > 0) {
      out = std::to_chars(out, end, count).ptr;
      out =
          std::copy_n(unit.data(),
                      std::min<std::size_t>(unit.size(), static_cast<std::size_t>(end - out)), out);
    }
  };
  append(days, texts.DayUnit);
  append(hours, texts.HourUnit);
  append(minutes, texts.MinuteUnit);
  append(seconds, texts.SecondUnit);
  text.append(buffer.data(), out);
}

std::string FormatDuration(std::int64_t seconds, const MainWindowTexts& texts) {
  std::string text;
  AppendDuration(text, seconds, texts);
  return text;
}

}  // namespace orvanta::present
