#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "history/clock.h"

namespace orvanta::controls {

class ClockLocale;

// The runtime's date-time patterns, letters in any case:
//   c       the short date, then, unless the time is exactly midnight, a blank and the long time
//   d dd    day of the month (dd: two digits); ddd dddd: short and long day name
//   ddddd   the short date; dddddd: the long date
//   m mm    month (mm: two digits), or minutes when they follow an hour; mmm mmmm: month names
//   yy yyyy year in two or four digits
//   h hh    hour, 0-23, or 1-12 when an am/pm specifier is present; n nn: minutes;
//   s ss    seconds; z zzz: milliseconds
//   t tt    the short time (hh:nn) and the long time
//   am/pm a/p ampm   the half of the day ("AM"/"PM" for ampm)
//   / :     the date and time separators; "..." and '...' literal text
// Anything else is copied as it stands. The short date and long time come from `locale`, or,
// without one, are "yyyy-mm-dd" and "hh:nn:ss".
std::string FormatDateTimePattern(std::string_view pattern, const history::SystemTime& t,
                                  const ClockLocale* locale = nullptr);

// A C library date or time pattern (strftime conversions, as nl_langinfo's D_FMT and T_FMT
// give them) in the runtime's pattern language; nothing when it uses a conversion the runtime
// cannot express.
std::optional<std::string> RuntimePatternFromStrftime(std::string_view format);

}  // namespace orvanta::controls
