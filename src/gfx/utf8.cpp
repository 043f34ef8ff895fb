#include "gfx/utf8.h"

namespace orvanta::gfx {

namespace {

struct LeadByte {
  int Length = 0;          // bytes in the sequence, 0 for a byte that cannot start one
  char32_t Bits = 0;       // payload bits of the lead byte
  unsigned char Low = 0;   // allowed range of the second byte, which excludes overlong
  unsigned char High = 0;  // forms, surrogates and values above U+10FFFF
};

LeadByte ClassifyLead(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) {
    return {2, b & 0x1Fu, 0x80, 0xBF};
  }
  if (b >= 0xE0 && b <= 0xEF) {
    unsigned char low = b == 0xE0 ? 0xA0 : 0x80;
    unsigned char high = b == 0xED ? 0x9F : 0xBF;
    return {3, b & 0x0Fu, low, high};
  }
  if (b >= 0xF0 && b <= 0xF4) {
    unsigned char low = b == 0xF0 ? 0x90 : 0x80;
    unsigned char high = b == 0xF4 ? 0x8F : 0xBF;
    return {4, b & 0x07u, low, high};
  }
  return {};
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    const LeadByte lead = ClassifyLead(b);
    if (lead.Length == 0) {
      out.push_back(kReplacementChar);
      ++i;
      continue;
    }
    char32_t cp = lead.Bits;
    std::size_t used = 1;
    while (used < static_cast<std::size_t>(lead.Length) && i + used < n) {
      const auto c = static_cast<unsigned char>(text[i + used]);
      const unsigned char low = used == 1 ? lead.Low : 0x80;
      const unsigned char high = used == 1 ? lead.High : 0xBF;
      if (c < low || c > high) {
        break;
      }
      cp = (cp << 6) | (c & 0x3Fu);
      ++used;
    }
    out.push_back(used == static_cast<std::size_t>(lead.Length) ? cp : kReplacementChar);
    i += used;
  }
  return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    cp = kReplacementChar;
  }
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace orvanta::gfx
