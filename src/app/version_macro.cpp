#include "app/version_macro.h"

namespace orvanta::app {

namespace {

constexpr std::string_view kMacro = "$V$";

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool MacroAt(std::string_view text, std::size_t pos) {
  if (text.size() - pos < kMacro.size()) {
    return false;
  }
  for (std::size_t i = 0; i < kMacro.size(); ++i) {
    if (AsciiUpper(text[pos + i]) != kMacro[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string ReplaceVersionMacro(std::string_view text, std::string_view version) {
  std::string result;
  result.reserve(text.size() + version.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (MacroAt(text, pos)) {
      result += version;
      pos += kMacro.size();
    } else {
      result += text[pos];
      ++pos;
    }
  }
  return result;
}

}  // namespace orvanta::app
