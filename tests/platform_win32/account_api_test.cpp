#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/win32_account_api.h"

namespace orvanta::platform {
namespace {

// A binary SID: revision 1, sub-authority count, 48-bit big-endian authority, then the
// sub-authorities little-endian.
std::vector<std::uint8_t> MakeSid(std::uint8_t authority, std::vector<std::uint32_t> subs) {
  std::vector<std::uint8_t> sid = {1,        static_cast<std::uint8_t>(subs.size()), 0, 0, 0, 0, 0,
                                   authority};
  for (std::uint32_t sub : subs) {
    for (int shift = 0; shift < 32; shift += 8) {
      sid.push_back(static_cast<std::uint8_t>(sub >> shift));
    }
  }
  return sid;
}

TEST(Win32AccountApi, NamesWellKnownAccounts) {
  const struct {
    std::vector<std::uint8_t> sid;
    const char* name;
  } cases[] = {
      {MakeSid(5, {18}), "SYSTEM"},
      {MakeSid(5, {19}), "LOCAL SERVICE"},
      {MakeSid(5, {20}), "NETWORK SERVICE"},
      {MakeSid(5, {32, 544}), "Administrators"},
  };
  Win32AccountApi accounts;
  for (const auto& c : cases) {
    EXPECT_EQ(accounts.LookupAccountSid(c.sid), std::optional<std::string>(c.name)) << c.name;
  }
}

TEST(Win32AccountApi, ReadsSidsAtAnyAlignment) {
  std::vector<std::uint8_t> record(3, 0xEE);
  const std::vector<std::uint8_t> sid = MakeSid(5, {18});
  record.insert(record.end(), sid.begin(), sid.end());
  Win32AccountApi accounts;
  EXPECT_EQ(accounts.LookupAccountSid(std::span(record).subspan(3)),
            std::optional<std::string>("SYSTEM"));
}

TEST(Win32AccountApi, MalformedOrUnknownSidsGiveNothing) {
  std::vector<std::uint8_t> lyingCount = MakeSid(5, {18});
  lyingCount[1] = 2;  // claims a second sub-authority the bytes do not hold
  std::vector<std::uint8_t> badRevision = MakeSid(5, {18});
  badRevision[0] = 7;
  const std::vector<std::uint8_t> cases[] = {
      {},
      {1, 1, 0, 0},
      lyingCount,
      badRevision,
      std::vector<std::uint8_t>(200, 0xFF),
      MakeSid(5, {21, 1111, 2222, 3333, 987654}),  // a domain account nobody has
  };
  Win32AccountApi accounts;
  for (const auto& sid : cases) {
    EXPECT_EQ(accounts.LookupAccountSid(sid), std::nullopt) << sid.size() << " bytes";
  }
}

}  // namespace
}  // namespace orvanta::platform
