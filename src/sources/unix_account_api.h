#pragma once

#include "history/account_api.h"
#include "history/sid.h"
#include "sources/user_directory.h"

namespace orvanta::sources {

// Account names of SIDs on a system without a Windows account database: the well-known
// service accounts by table, and S-1-22-1-<uid> (a Unix user) through the user directory.
// Every other SID fails.
class UnixAccountApi final : public history::AccountApi {
 public:
  explicit UnixAccountApi(UserDirectory& users) : m_users(users) {}
  std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t> sid) override;

 private:
  UserDirectory& m_users;
};

// The SID of a Unix user: S-1-22-1-<uid>.
history::Sid UnixUserSid(std::uint32_t uid);

}  // namespace orvanta::sources
