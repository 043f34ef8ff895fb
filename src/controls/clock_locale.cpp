#include "controls/clock_locale.h"

#include "controls/date_time_pattern.h"

namespace orvanta::controls {

PatternClockLocale PatternClockLocale::FromStrftime(std::string_view dateFormat,
                                                    std::string_view timeFormat) {
  std::optional<std::string> date = RuntimePatternFromStrftime(dateFormat);
  std::optional<std::string> time = RuntimePatternFromStrftime(timeFormat);
  return PatternClockLocale(
      date && !date->empty() ? std::move(*date) : std::string(kFallbackShortDate),
      time && !time->empty() ? std::move(*time) : std::string(kFallbackLongTime));
}

// The patterns are formatted without a locale, so one that names the short date or the long
// time again gets the fallback instead of itself.
std::string PatternClockLocale::ShortDate(const history::SystemTime& t) const {
  return FormatDateTimePattern(m_shortDate, t);
}

std::string PatternClockLocale::LongTime(const history::SystemTime& t) const {
  return FormatDateTimePattern(m_longTime, t);
}

std::string DefaultDateTimeText(const history::SystemTime& t, const ClockLocale& locale) {
  return FormatDateTimePattern("c", t, &locale);
}

}  // namespace orvanta::controls
