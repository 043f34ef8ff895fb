#include "app/version_macro.h"

#include <gtest/gtest.h>

namespace orvanta::app {
namespace {

TEST(VersionMacro, ReplacesEveryMacroInEitherCase) {
  struct Case {
    std::string_view Text;
    std::string_view Expected;
  };
  const Case cases[] = {
      {"版本 $V$", "版本 4.0.3"}, {"$v$", "4.0.3"}, {"$V$ and $v$", "4.0.3 and 4.0.3"},
      {"no macro", "no macro"},   {"", ""},         {"$V", "$V"},
      {"$$V$$", "$4.0.3$"},       {"$W$", "$W$"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReplaceVersionMacro(c.Text, kProgramVersion), c.Expected) << c.Text;
  }
}

}  // namespace
}  // namespace orvanta::app
