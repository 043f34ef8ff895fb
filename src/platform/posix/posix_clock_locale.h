#pragma once

#include "controls/clock_locale.h"

namespace orvanta::platform {

// The user's date and time patterns from the C library: D_FMT and T_FMT of the locale that
// LC_ALL, LC_TIME or LANG names, the first one set. The C and POSIX locales state no regional
// preference; they, and a locale the system does not have, give the fallback patterns.
controls::PatternClockLocale PosixClockLocale();

}  // namespace orvanta::platform
