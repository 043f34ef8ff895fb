#include "platform/posix/posix_clock_locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <string_view>

namespace orvanta::platform {

namespace {

// The locale the environment names for the time categories, as setlocale would choose it.
std::string_view TimeLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') {
      return value;
    }
  }
  return "C";
}

bool IsPlainCLocale(std::string_view name) {
  return name == "C" || name == "POSIX" || name.starts_with("C.");
}

}  // namespace

controls::PatternClockLocale PosixClockLocale() {
  const std::string_view name = TimeLocaleName();
  if (IsPlainCLocale(name)) {
    return {};
  }
  locale_t locale = newlocale(LC_TIME_MASK, std::string(name).c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) {
    return {};
  }
  controls::PatternClockLocale patterns = controls::PatternClockLocale::FromStrftime(
      nl_langinfo_l(D_FMT, locale), nl_langinfo_l(T_FMT, locale));
  freelocale(locale);
  return patterns;
}

}  // namespace orvanta::platform
