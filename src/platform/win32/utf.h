#pragma once

#include <string>
#include <string_view>

namespace orvanta::platform {

// Text crosses the Win32 boundary as UTF-16; inside the program it is UTF-8. Invalid input
// sequences become U+FFFD rather than failing the conversion.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace orvanta::platform
