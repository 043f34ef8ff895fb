#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "sources/user_directory.h"

namespace orvanta::platform {

// The passwd database of this machine. Answers are remembered until Forget, so a log with
// thousands of logins asks the name service once per user, not once per event.
class PasswdDirectory final : public sources::UserDirectory {
 public:
  std::optional<std::uint32_t> UidOf(std::string_view name) override;
  std::optional<std::string> NameOf(std::uint32_t uid) override;
  // Drops every remembered answer: accounts may have been added or renamed since.
  void Forget();

 private:
  std::unordered_map<std::string, std::optional<std::uint32_t>> m_uids;
  std::unordered_map<std::uint32_t, std::optional<std::string>> m_names;
};

}  // namespace orvanta::platform
