#include "history/account_lookup.h"

#include <array>
#include <exception>

namespace orvanta::history {
namespace {

// The name buffer holds 261 characters, its terminating null included.
constexpr std::size_t kMaxAccountNameLength = 260;

constexpr std::array<std::string_view, 3> kIgnoredAccountParts = {"N/A", "SYSTEM", "LOCAL SERVICE"};

}  // namespace

std::string LookupEventAccount(AccountApi& accounts, const EventRecordView& record) {
  return LookupSidAccount(accounts, record.UserSid());
}

std::string_view BoundedAccountView(std::string_view name) {
  name = name.substr(0, name.find('\0'));
  return name.size() > kMaxAccountNameLength ? kNoAccountName : name;
}

std::string BoundedAccountName(std::string name) {
  const std::string_view bounded = BoundedAccountView(name);
  return bounded.size() == name.size() ? name : std::string(bounded);
}

std::string LookupSidAccount(AccountApi& accounts, std::span<const std::uint8_t> sid) {
  if (sid.empty()) {
    return std::string(kNoAccountName);
  }
  try {
    std::optional<std::string> name = accounts.LookupAccountSid(sid);
    // The name ends at its terminating null, as it would in the fixed buffer.
    return name ? BoundedAccountName(std::move(*name)) : std::string(kNoAccountName);
  } catch (const std::exception&) {
    return std::string(kNoAccountName);
  }
}

bool IsIgnoredAccount(std::string_view name) {
  for (std::string_view part : kIgnoredAccountParts) {
    if (name.find(part) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace orvanta::history
