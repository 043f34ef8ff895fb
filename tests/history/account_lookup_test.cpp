#include "history/account_lookup.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "history/sid.h"
#include "support/evt_writer.h"

namespace orvanta::history {
namespace {

struct IgnoredCase {
  const char* Name;
  bool Ignored;
};

TEST(IsIgnoredAccount, MatchesTheThreeTextsAnywhereCaseSensitive) {
  const std::array<IgnoredCase, 10> cases = {{
      {"N/A", true},
      {"SYSTEM", true},
      {"LOCAL SERVICE", true},
      {"NETWORK SERVICE", false},
      {"MYSYSTEMUSER", true},
      {"System", false},
      {"system", false},
      {"local service", false},
      {"root", false},
      {"", false},
  }};
  for (const IgnoredCase& c : cases) {
    EXPECT_EQ(IsIgnoredAccount(c.Name), c.Ignored) << c.Name;
  }
}

// Answers every lookup with a fixed result, or throws.
class FixedAccounts : public AccountApi {
 public:
  std::optional<std::string> Result;
  bool Throws = false;
  int Calls = 0;
  std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t>) override {
    ++Calls;
    if (Throws) {
      throw std::runtime_error("lookup failed");
    }
    return Result;
  }
};

EventRecordView View(const std::vector<std::uint8_t>& bytes) {
  return *EventRecordView::Parse(bytes);
}

TEST(LookupEventAccount, GivesTheBareNameOrNA) {
  const auto withSid =
      testsupport::BuildEventRecord({7035, 0, EncodeSid(MakeSid(5, {21, 1, 2, 3, 1003})), 0}, 1);
  const auto withoutSid = testsupport::BuildEventRecord({7035, 0, {}, 0}, 1);
  FixedAccounts accounts;

  accounts.Result = "alice";
  EXPECT_EQ(LookupEventAccount(accounts, View(withSid)), "alice");
  EXPECT_EQ(LookupEventAccount(accounts, View(withoutSid)), "N/A");
  EXPECT_EQ(accounts.Calls, 1);  // no SID, no lookup

  accounts.Result.reset();
  EXPECT_EQ(LookupEventAccount(accounts, View(withSid)), "N/A");

  accounts.Result = std::string("bob\0junk", 8);
  EXPECT_EQ(LookupEventAccount(accounts, View(withSid)), "bob");

  accounts.Result = std::string(260, 'x');
  EXPECT_EQ(LookupEventAccount(accounts, View(withSid)), std::string(260, 'x'));
  accounts.Result = std::string(261, 'x');  // does not fit the 261-character buffer
  EXPECT_EQ(LookupEventAccount(accounts, View(withSid)), "N/A");

  accounts.Throws = true;
  EXPECT_EQ(LookupEventAccount(accounts, View(withSid)), "N/A");
}

}  // namespace
}  // namespace orvanta::history
