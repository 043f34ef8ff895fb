#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orvanta::platform {

// The user accounts of this machine: uid by name and name by uid.
class UserDirectory {
 public:
  virtual ~UserDirectory() = default;
  virtual std::optional<std::uint32_t> UidOf(std::string_view name) = 0;
  virtual std::optional<std::string> NameOf(std::uint32_t uid) = 0;
};

// The passwd database. Answers are remembered until Forget, so a log with thousands of logins
// asks the name service once per user, not once per event.
class PasswdDirectory final : public UserDirectory {
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
