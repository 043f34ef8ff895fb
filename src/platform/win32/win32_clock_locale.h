#pragma once

#include "controls/clock_locale.h"

namespace orvanta::platform {

// The user's short date and long time as Windows writes them (GetDateFormatW and
// GetTimeFormatW for the user's default locale); the fallback patterns when it cannot.
class Win32ClockLocale final : public controls::ClockLocale {
 public:
  std::string ShortDate(const history::SystemTime& t) const override;
  std::string LongTime(const history::SystemTime& t) const override;

 private:
  controls::PatternClockLocale m_fallback;
};

}  // namespace orvanta::platform
