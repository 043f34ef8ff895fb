#include "present/escaped_text.h"

#include <array>
#include <cstdint>

#include "present/export_text.h"

namespace orvanta::present {
namespace {

struct NamedEscape {
  char Byte;
  char Letter;
};

constexpr std::array<NamedEscape, 7> kNamedEscapes = {{
    {'\a', 'a'},
    {'\b', 'b'},
    {'\t', 't'},
    {'\n', 'n'},
    {'\v', 'v'},
    {'\f', 'f'},
    {'\r', 'r'},
}};

// The number of bytes at text[at] that must be escaped: a C0 control or DEL (1), a C1 control
// (its 2 bytes), a byte that starts no well-formed sequence (1); 0 for a printable character.
std::size_t EscapedLengthAt(std::string_view text, std::size_t at) {
  const auto byte = static_cast<std::uint8_t>(text[at]);
  if (byte < 0x20 || byte == 0x7F) {
    return 1;
  }
  if (byte < 0x80) {
    return 0;
  }
  const std::size_t length = WellFormedUtf8Length(text, at);
  if (length == 0) {
    return 1;
  }
  const bool c1 = byte == 0xC2 && static_cast<std::uint8_t>(text[at + 1]) < 0xA0;
  return c1 ? 2 : 0;
}

// The length of the printable character at text[at] (0 when it must be escaped).
std::size_t PrintableLengthAt(std::string_view text, std::size_t at) {
  if (EscapedLengthAt(text, at) > 0) {
    return 0;
  }
  const auto byte = static_cast<std::uint8_t>(text[at]);
  return byte < 0x80 ? 1 : WellFormedUtf8Length(text, at);
}

void AppendEscape(std::string& out, char c) {
  for (const NamedEscape& named : kNamedEscapes) {
    if (named.Byte == c) {
      out += '\\';
      out += named.Letter;
      return;
    }
  }
  const auto byte = static_cast<std::uint8_t>(c);
  out += '\\';
  out += static_cast<char>('0' + (byte >> 6));
  out += static_cast<char>('0' + ((byte >> 3) & 7));
  out += static_cast<char>('0' + (byte & 7));
}

bool NeedsEscape(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t length = PrintableLengthAt(text, at);
    if (length == 0) {
      return true;
    }
    at += length;
  }
  return false;
}

}  // namespace

std::string QuotedText(std::string_view text, QuoteWhen when) {
  if (when == QuoteWhen::Needed && !NeedsEscape(text)) {
    return std::string(text);
  }
  std::string out = "'";
  bool quoted = true;  // inside '...' rather than $'...'
  std::size_t at = 0;
  while (at < text.size()) {
    if (const std::size_t escaped = EscapedLengthAt(text, at); escaped > 0) {
      out += quoted ? "'$'" : "";
      quoted = false;
      for (std::size_t k = 0; k < escaped; ++k) {
        AppendEscape(out, text[at + k]);
      }
      at += escaped;
      continue;
    }
    out += quoted ? "" : "''";
    quoted = true;
    const std::size_t length = PrintableLengthAt(text, at);
    if (text[at] == '\'') {
      out += "'\\''";
    } else {
      out.append(text.substr(at, length));
    }
    at += length;
  }
  out += '\'';
  return out;
}

void AppendEscapedControls(std::string& out, std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto byte = static_cast<std::uint8_t>(text[at]);
    const bool control =
        byte < 0x20 || byte == 0x7F ||
        (byte == 0xC2 && at + 1 < text.size() && static_cast<std::uint8_t>(text[at + 1]) >= 0x80 &&
         static_cast<std::uint8_t>(text[at + 1]) < 0xA0);
    if (!control) {
      out += text[at++];
      continue;
    }
    const std::size_t length = byte == 0xC2 ? 2 : 1;
    for (std::size_t k = 0; k < length; ++k) {
      AppendEscape(out, text[at + k]);
    }
    at += length;
  }
}

}  // namespace orvanta::present
