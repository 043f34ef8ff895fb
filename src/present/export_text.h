#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvanta::present {

// The text as valid UTF-8: each maximal ill-formed part (a stray or missing continuation byte,
// an overlong form, a surrogate, a code point past U+10FFFF) becomes U+FFFD. User names come
// from the files read, so nothing else guarantees that.
std::string RepairUtf8(std::string_view text);

// The length of the well-formed UTF-8 sequence that starts at text[at], or 0 when the bytes
// there are ill-formed. at must lie inside the text.
std::size_t WellFormedUtf8Length(std::string_view text, std::size_t at);

// The text as a JSON string, quotes included: repaired UTF-8 with the quote, the backslash and
// every control character below U+0020 escaped.
std::string JsonString(std::string_view text);

// The text as one CSV field: repaired UTF-8, quoted (with inner quotes doubled) when it holds a
// comma, a quote, a carriage return or a line feed.
std::string CsvField(std::string_view text);

}  // namespace orvanta::present
