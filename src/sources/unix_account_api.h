#pragma once

#include <memory>

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

// The accounts of a log read on a Unix machine. A wtmp file, a wtmpdb database and the journal
// record their users by name, and those names are shown as recorded, numbered by `recorded`
// while the log is read. An event log file records SIDs instead: where `recorded` numbered no
// name, S-1-22-1-<uid> is a user of `machine`.
std::unique_ptr<history::AccountApi> LogAccounts(UserDirectory& recorded, UserDirectory& machine);

}  // namespace orvanta::sources
