#include "history/sid.h"

#include <gtest/gtest.h>

namespace orvanta::history {
namespace {

TEST(Sid, EncodesParsesAndFormats) {
  const Sid domainUser = MakeSid(5, {21, 1004336348, 1177238915, 682003330, 1003});
  const std::vector<std::uint8_t> bytes = EncodeSid(domainUser);
  EXPECT_EQ(bytes.size(), 8u + 4 * 5);
  EXPECT_EQ(ParseSid(bytes), domainUser);
  EXPECT_EQ(FormatSid(domainUser), "S-1-5-21-1004336348-1177238915-682003330-1003");
  EXPECT_EQ(FormatSid(MakeSid(22, {1, 1000})), "S-1-22-1-1000");
  // The authority is big-endian in the bytes, sub-authorities little-endian.
  EXPECT_EQ(EncodeSid(MakeSid(5, {18})),
            (std::vector<std::uint8_t>{1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0}));
}

TEST(Sid, RejectsWhatIsNoSid) {
  std::vector<std::uint8_t> bytes = EncodeSid(MakeSid(5, {18}));
  EXPECT_FALSE(ParseSid(std::span(bytes).first(11)));  // cut short
  EXPECT_FALSE(ParseSid({}));
  std::vector<std::uint8_t> badRevision = bytes;
  badRevision[0] = 2;
  EXPECT_FALSE(ParseSid(badRevision));
  std::vector<std::uint8_t> tooMany(8 + 4 * 16, 0);
  tooMany[0] = 1;
  tooMany[1] = 16;
  EXPECT_FALSE(ParseSid(tooMany));
  bytes.push_back(0xAA);  // trailing bytes beyond the sub-authorities are not part of it
  EXPECT_EQ(ParseSid(bytes), MakeSid(5, {18}));
}

}  // namespace
}  // namespace orvanta::history
