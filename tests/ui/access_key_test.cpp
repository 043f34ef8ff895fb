#include "ui/access_key.h"

#include <gtest/gtest.h>

namespace orvanta::ui {
namespace {

struct AccessCase {
  const char* Caption;
  char32_t Key;
  const char* Shown;
};

constexpr AccessCase kCases[] = {
    {"刷新(&R)", U'R', "刷新(R)"}, {"主页(&H)", U'H', "主页(H)"},
    {"&Close", U'C', "Close"},     {"A&&B", 0, "A&B"},
    {"A&&B&c", U'c', "A&Bc"},      {"&中文", U'中', "中文"},
    {"trailing&", 0, "trailing"},  {"", 0, ""},
    {"no marker", 0, "no marker"},
};

TEST(AccessKey, KeyAndShownCaption) {
  for (const AccessCase& c : kCases) {
    SCOPED_TRACE(c.Caption);
    EXPECT_EQ(AccessKeyOf(c.Caption), c.Key);
    EXPECT_EQ(StripAccessMarkers(c.Caption), c.Shown);
  }
}

TEST(AccessKey, LettersMatchInEitherCase) {
  EXPECT_TRUE(IsAccessKey(U'r', "刷新(&R)"));
  EXPECT_TRUE(IsAccessKey(U'R', "刷新(&R)"));
  EXPECT_TRUE(IsAccessKey(U'C', "&close"));
  EXPECT_FALSE(IsAccessKey(U'x', "刷新(&R)"));
  EXPECT_FALSE(IsAccessKey(U'a', "A&&B"));
  EXPECT_FALSE(IsAccessKey(0, "plain"));
}

TEST(AccessKey, MalformedUtf8DecodesByteByByte) {
  const std::string text = "\xE4\xB8";  // a three-byte sequence cut short
  std::size_t pos = 0;
  EXPECT_EQ(DecodeUtf8(text, pos), 0xFFFDu);
  EXPECT_EQ(pos, 1u);
  EXPECT_EQ(DecodeUtf8(text, pos), 0xFFFDu);
  EXPECT_EQ(pos, 2u);
  EXPECT_EQ(AccessKeyOf("&\xE4"), 0xFFFDu);
}

}  // namespace
}  // namespace orvanta::ui
