#include "ui/access_key.h"

namespace orvanta::ui {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

char32_t FoldCase(char32_t c) {
  if (c >= U'a' && c <= U'z') {
    return c - U'a' + U'A';
  }
  // Latin-1 lower-case letters, except the division sign and y-diaeresis.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
    return c - 0x20;
  }
  return c;
}

}  // namespace

char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t cp = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + static_cast<std::size_t>(extra) >= text.size()) {
    ++pos;
    return kReplacement;
  }
  for (int i = 1; i <= extra; ++i) {
    const unsigned char b = byte(pos + static_cast<std::size_t>(i));
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += static_cast<std::size_t>(extra) + 1;
  return cp;
}

char32_t AccessKeyOf(std::string_view caption) {
  std::size_t pos = 0;
  while (pos < caption.size()) {
    if (caption[pos] == '&') {
      ++pos;
      if (pos >= caption.size()) {
        return 0;
      }
      if (caption[pos] == '&') {
        ++pos;
        continue;
      }
      return DecodeUtf8(caption, pos);
    }
    DecodeUtf8(caption, pos);
  }
  return 0;
}

bool IsAccessKey(char32_t typed, std::string_view caption) {
  const char32_t key = AccessKeyOf(caption);
  return key != 0 && typed != 0 && FoldCase(key) == FoldCase(typed);
}

std::string StripAccessMarkers(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += caption[i];
  }
  return out;
}

}  // namespace orvanta::ui
