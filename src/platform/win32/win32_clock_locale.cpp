#include "platform/win32/win32_clock_locale.h"

#include <iterator>

#include "platform/win32/utf.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {

namespace {

constexpr int kTextCapacity = 96;  // characters; no locale's date or time comes near it

std::string FromWide(const wchar_t* text, int written) {
  // The count includes the terminating null.
  return WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(written - 1)));
}

}  // namespace

std::string Win32ClockLocale::ShortDate(const history::SystemTime& t) const {
  if (const std::optional<SYSTEMTIME> native = ToNativeSystemTime(t)) {
    wchar_t text[kTextCapacity];
    const int written = GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &*native, nullptr, text,
                                       static_cast<int>(std::size(text)));
    if (written > 1) {
      return FromWide(text, written);
    }
  }
  return m_fallback.ShortDate(t);
}

std::string Win32ClockLocale::LongTime(const history::SystemTime& t) const {
  if (const std::optional<SYSTEMTIME> native = ToNativeSystemTime(t)) {
    wchar_t text[kTextCapacity];
    const int written = GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &*native, nullptr, text,
                                       static_cast<int>(std::size(text)));
    if (written > 1) {
      return FromWide(text, written);
    }
  }
  return m_fallback.LongTime(t);
}

}  // namespace orvanta::platform
