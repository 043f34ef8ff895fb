#include "history/utf16_text.h"

namespace orvanta::history {
namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(std::uint16_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}
bool IsLowSurrogate(std::uint16_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

}  // namespace

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::optional<std::pair<std::string, std::size_t>> ReadUtf16String(const ByteReader& bytes,
                                                                   std::size_t offset) {
  std::string text;
  for (;;) {
    const std::optional<std::uint16_t> unit = bytes.U16(offset);
    if (!unit) {
      return std::nullopt;
    }
    offset += 2;
    if (*unit == 0) {
      return std::pair{std::move(text), offset};
    }
    if (IsHighSurrogate(*unit)) {
      const std::optional<std::uint16_t> low = bytes.U16(offset);
      if (low && IsLowSurrogate(*low)) {
        offset += 2;
        AppendUtf8(text, 0x10000 + ((std::uint32_t{*unit} - 0xD800) << 10) + (*low - 0xDC00));
        continue;
      }
    }
    AppendUtf8(text, IsHighSurrogate(*unit) || IsLowSurrogate(*unit) ? kReplacement : *unit);
  }
}

}  // namespace orvanta::history
