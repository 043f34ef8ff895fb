#include "present/escaped_text.h"

#include <gtest/gtest.h>

namespace orvanta::present {
namespace {

// Names and reasons read as they are unless they hold something a terminal would act on;
// then they are quoted as the shell reads them back.
TEST(QuotedText, EscapesControlsAndBytesThatAreNotUtf8) {
  struct Case {
    std::string_view Text;
    QuoteWhen When;
    std::string_view Quoted;
  };
  const Case cases[] = {
      {"/var/log/wtmp", QuoteWhen::Needed, "/var/log/wtmp"},
      {"a b's 日志", QuoteWhen::Needed, "a b's 日志"},
      {"a b's", QuoteWhen::Always, R"('a b'\''s')"},
      {"", QuoteWhen::Always, "''"},
      {"a\nb", QuoteWhen::Needed, R"('a'$'\n''b')"},
      {"\nb", QuoteWhen::Needed, R"(''$'\n''b')"},
      {"a\r\n", QuoteWhen::Needed, R"('a'$'\r\n')"},
      {"x\x1B[2Jy", QuoteWhen::Needed, R"('x'$'\033''[2Jy')"},
      {"\x7F\a\b\t\v\f", QuoteWhen::Needed, R"(''$'\177\a\b\t\v\f')"},
      {"it's\n", QuoteWhen::Needed, R"('it'\''s'$'\n')"},
      {"\xC2\x9B"
       "1m",
       QuoteWhen::Needed, R"(''$'\302\233''1m')"},  // C1: CSI
      {"\xC2\xA0\xFF", QuoteWhen::Needed, "'\xC2\xA0'$'\\377'"},
      {std::string_view("a\0b", 3), QuoteWhen::Needed, R"('a'$'\000''b')"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuotedText(c.Text, c.When), c.Quoted) << c.Text;
  }
}

TEST(AppendEscapedControls, WritesControlsAsEscapesAndKeepsTheRest) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"NT AUTHORITY\\SYSTEM", "NT AUTHORITY\\SYSTEM"},
      {"a\tb\x1B[31m", "a\\tb\\033[31m"},
      {"\n\r\x7F\xC2\x85", "\\n\\r\\177\\302\\205"},
      {"用户\xFF", "用户\xFF"},
  };
  for (const auto& [text, escaped] : cases) {
    std::string out = "|";
    AppendEscapedControls(out, text);
    EXPECT_EQ(out.substr(1), escaped) << text;
    EXPECT_EQ(out.front(), '|') << text;
  }
}

}  // namespace
}  // namespace orvanta::present
