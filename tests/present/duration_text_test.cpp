#include "present/duration_text.h"

#include <gtest/gtest.h>

#include <array>

namespace orvanta::present {
namespace {

struct DurationCase {
  std::int64_t Seconds;
  const char* Text;
};

TEST(FormatDuration, FollowsTheDurationTable) {
  const std::array<DurationCase, 19> cases = {{
      {-5, ""},
      {0, ""},
      {1, ""},
      {2, "2 秒"},
      {59, "59 秒"},
      {60, "60 秒"},
      {61, "1 分1 秒"},
      {3599, "59 分59 秒"},
      {3600, "60 分"},
      {3601, "1 时1 秒"},
      {3660, "1 时1 分"},
      {7200, "2 时"},
      {86399, "23 时59 分59 秒"},
      {86400, "24 时"},
      {86401, "1 天1 秒"},
      {86460, "1 天1 分"},
      {90061, "1 天1 时1 分1 秒"},
      {172800, "2 天"},
      {2147483647, "24855 天3 时14 分7 秒"},
  }};
  for (const DurationCase& c : cases) {
    EXPECT_EQ(FormatDuration(c.Seconds), c.Text) << c.Seconds;
  }
}

// Every text of a positive count adds back up to it (units count only when they exceed their
// size, so a lone unit reads in the next smaller one).
TEST(FormatDuration, PiecesAddUpToTheInput) {
  for (std::int64_t n = 2; n < 200'000; n += 97) {
    const std::string text = FormatDuration(n);
    std::int64_t total = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
      std::size_t end = text.find(' ', pos);
      ASSERT_NE(end, std::string::npos) << text;
      const std::int64_t count = std::stoll(text.substr(pos, end - pos));
      const std::string unit = text.substr(end + 1, 3);
      total += count * (unit == "天" ? 86400 : unit == "时" ? 3600 : unit == "分" ? 60 : 1);
      pos = end + 1 + 3;
    }
    EXPECT_EQ(total, n) << text;
  }
}

}  // namespace
}  // namespace orvanta::present
