#include "present/uptime_text.h"

#include <gtest/gtest.h>

#include <array>

namespace orvanta::present {
namespace {

struct UptimeCase {
  std::uint64_t Milliseconds;
  const char* Text;
};

TEST(UptimeText, GivesTheWholeSecondsSinceBootAsADuration) {
  const std::array<UptimeCase, 8> cases = {{
      {273906000, "3 天4 时5 分6 秒"},
      {273906999, "3 天4 时5 分6 秒"},
      {3600000, "60 分"},
      {3600999, "60 分"},
      {86400000, "24 时"},
      {1999, ""},
      // A 64-bit count goes on past 49.7 days instead of starting again from 0.
      {4294967295ull, "49 天17 时2 分47 秒"},
      {4294967296ull + 60000, "49 天17 时3 分47 秒"},
  }};
  for (const UptimeCase& c : cases) {
    EXPECT_EQ(UptimeText(c.Milliseconds), c.Text) << c.Milliseconds;
  }
}

class FixedUptimeClock : public history::Clock {
 public:
  history::SystemTime LocalNow() override { return {}; }
  std::optional<history::SystemTime> UtcToLocal(const history::SystemTime&) override {
    return std::nullopt;
  }
  std::uint64_t MillisecondsSinceBoot() override { return 90061000; }
};

TEST(UptimeText, ReadsTheClock) {
  FixedUptimeClock clock;
  EXPECT_EQ(UptimeText(clock), "1 天1 时1 分1 秒");
}

}  // namespace
}  // namespace orvanta::present
