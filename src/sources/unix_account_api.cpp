#include "sources/unix_account_api.h"

#include <array>
#include <string_view>

namespace orvanta::sources {
namespace {

constexpr std::uint64_t kNtAuthority = 5;
constexpr std::uint64_t kUnixAuthority = 22;
constexpr std::uint32_t kUnixUserDomain = 1;

struct WellKnownAccount {
  std::uint32_t Rid;  // the one sub-authority under the NT authority
  std::string_view Name;
};

constexpr std::array<WellKnownAccount, 3> kWellKnownAccounts = {{
    {18, "SYSTEM"},
    {19, "LOCAL SERVICE"},
    {20, "NETWORK SERVICE"},
}};

}  // namespace

history::Sid UnixUserSid(std::uint32_t uid) {
  return history::MakeSid(kUnixAuthority, {kUnixUserDomain, uid});
}

std::optional<std::string> UnixAccountApi::LookupAccountSid(std::span<const std::uint8_t> bytes) {
  std::optional<history::Sid> sid = history::ParseSid(bytes);
  if (!sid) {
    return std::nullopt;
  }
  if (sid->Authority == kNtAuthority && sid->SubAuthorityCount == 1) {
    for (const WellKnownAccount& account : kWellKnownAccounts) {
      if (sid->SubAuthorities[0] == account.Rid) {
        return std::string(account.Name);
      }
    }
    return std::nullopt;
  }
  if (sid->Authority == kUnixAuthority && sid->SubAuthorityCount == 2 &&
      sid->SubAuthorities[0] == kUnixUserDomain) {
    return m_users.NameOf(sid->SubAuthorities[1]);
  }
  return std::nullopt;
}

}  // namespace orvanta::sources
