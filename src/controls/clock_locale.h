#pragma once

#include <string>
#include <string_view>

#include "history/clock.h"

namespace orvanta::controls {

// The user's regional date and time formats, as the clock's default text shows them: the
// locale's short date and its long time. The platform provides one; a clock without one uses
// the fallback patterns.
class ClockLocale {
 public:
  virtual ~ClockLocale() = default;
  virtual std::string ShortDate(const history::SystemTime& t) const = 0;
  virtual std::string LongTime(const history::SystemTime& t) const = 0;
};

// A locale given by two runtime patterns (see FormatDateTimePattern).
class PatternClockLocale final : public ClockLocale {
 public:
  static constexpr std::string_view kFallbackShortDate = "yyyy-mm-dd";
  static constexpr std::string_view kFallbackLongTime = "hh:nn:ss";

  PatternClockLocale() : m_shortDate(kFallbackShortDate), m_longTime(kFallbackLongTime) {}
  PatternClockLocale(std::string shortDate, std::string longTime)
      : m_shortDate(std::move(shortDate)), m_longTime(std::move(longTime)) {}
  // From the C library's date and time patterns (D_FMT, T_FMT); one that does not translate
  // gives way to its fallback.
  static PatternClockLocale FromStrftime(std::string_view dateFormat, std::string_view timeFormat);

  const std::string& ShortDateFormat() const { return m_shortDate; }
  const std::string& LongTimeFormat() const { return m_longTime; }

  std::string ShortDate(const history::SystemTime& t) const override;
  std::string LongTime(const history::SystemTime& t) const override;

 private:
  std::string m_shortDate;
  std::string m_longTime;
};

// The runtime's default date-time text: the short date and, unless the time is exactly
// midnight (hours, minutes and seconds all 0), a blank and the long time.
std::string DefaultDateTimeText(const history::SystemTime& t, const ClockLocale& locale);

}  // namespace orvanta::controls
