#include "present/export_text.h"

#include <array>
#include <cstdint>

namespace orvanta::present {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The range the second byte of a sequence may take after its lead byte; every later
// continuation byte lies in 80..BF. Narrower ranges than 80..BF exclude overlong forms,
// surrogates and code points past U+10FFFF.
struct LeadByte {
  std::uint8_t First;
  std::uint8_t Last;
  int Length;
  std::uint8_t SecondMin;
  std::uint8_t SecondMax;
};

constexpr std::array<LeadByte, 8> kLeadBytes = {{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};

const LeadByte* LeadOf(std::uint8_t byte) {
  for (const LeadByte& lead : kLeadBytes) {
    if (byte >= lead.First && byte <= lead.Last) {
      return &lead;
    }
  }
  return nullptr;
}

// The length of the well-formed sequence at text[at], or 0 with `skip` set to the length of
// its maximal ill-formed part (at least 1).
std::size_t SequenceAt(std::string_view text, std::size_t at, std::size_t& skip) {
  const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  if (byte(at) < 0x80) {
    return 1;
  }
  const LeadByte* lead = LeadOf(byte(at));
  skip = 1;
  if (lead == nullptr) {
    return 0;
  }
  for (int k = 1; k < lead->Length; ++k) {
    const std::size_t i = at + static_cast<std::size_t>(k);
    const std::uint8_t min = k == 1 ? lead->SecondMin : 0x80;
    const std::uint8_t max = k == 1 ? lead->SecondMax : 0xBF;
    if (i >= text.size() || byte(i) < min || byte(i) > max) {
      return 0;
    }
    skip = static_cast<std::size_t>(k) + 1;
  }
  return static_cast<std::size_t>(lead->Length);
}

}  // namespace

std::size_t WellFormedUtf8Length(std::string_view text, std::size_t at) {
  std::size_t skip = 0;
  return SequenceAt(text, at, skip);
}

std::string RepairUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t skip = 0;
    const std::size_t length = SequenceAt(text, at, skip);
    if (length > 0) {
      out.append(text.substr(at, length));
      at += length;
    } else {
      out += kReplacement;
      at += skip;
    }
  }
  return out;
}

std::string JsonString(std::string_view text) {
  constexpr std::string_view kHex = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : RepairUtf8(text)) {
    const auto byte = static_cast<std::uint8_t>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

std::string CsvField(std::string_view text) {
  std::string field = RepairUtf8(text);
  if (field.find_first_of(",\"\r\n") == std::string::npos) {
    return field;
  }
  std::string out = "\"";
  for (const char c : field) {
    out += c;
    if (c == '"') {
      out += '"';
    }
  }
  out += '"';
  return out;
}

}  // namespace orvanta::present
