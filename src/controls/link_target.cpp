#include "controls/link_target.h"

#include <algorithm>

namespace orvanta::controls {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool IsBlankText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsBlank);
}

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string LinkTarget(std::string_view url, std::string_view caption) {
  if (!IsBlankText(url)) {
    return std::string(url);
  }
  return IsBlankText(caption) ? std::string() : std::string(caption);
}

bool OffersOpenWithForHtm(std::string_view target) {
  const std::size_t dot = target.rfind('.');
  if (dot == std::string_view::npos) {
    return false;
  }
  const std::string_view extension = target.substr(dot);
  constexpr std::string_view kHtm = ".HTM";
  return extension.size() == kHtm.size() &&
         std::equal(extension.begin(), extension.end(), kHtm.begin(),
                    [](char a, char b) { return UpperAscii(a) == b; });
}

}  // namespace orvanta::controls
