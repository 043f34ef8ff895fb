#include "platform/win32/utf.h"

#include <gtest/gtest.h>

namespace orvanta::platform {
namespace {

TEST(Utf, RoundTripsTheProgramsTexts) {
  const struct {
    const char* utf8;
    const wchar_t* utf16;
  } cases[] = {
      {"", L""},
      {"Orvanta", L"Orvanta"},
      {"刷新(&R)", L"\u5237\u65B0(&R)"},
      {" Windows已运行时间:", L" Windows\u5DF2\u8FD0\u884C\u65F6\u95F4:"},
      {"\xF0\x9F\x98\x80", L"\xD83D\xDE00"},  // outside the BMP: a surrogate pair
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8ToWide(c.utf8), c.utf16) << c.utf8;
    EXPECT_EQ(WideToUtf8(c.utf16), c.utf8) << c.utf8;
  }
}

TEST(Utf, InvalidSequencesBecomeReplacementCharacters) {
  EXPECT_EQ(Utf8ToWide("a\xFF"
                       "b"),
            L"a\xFFFD"
            L"b");
  EXPECT_EQ(Utf8ToWide("\xE5\x88"), L"\xFFFD");  // truncated sequence
}

}  // namespace
}  // namespace orvanta::platform
