#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sources/user_directory.h"

namespace orvanta::sources {

// The users a saved log names, numbered in the order they are first asked for: a log from
// another machine names accounts that this machine's own database does not have, and the
// names it records are the best answer there is.
class LoggedUserDirectory final : public UserDirectory {
 public:
  std::optional<std::uint32_t> UidOf(std::string_view name) override;
  std::optional<std::string> NameOf(std::uint32_t uid) override;

 private:
  std::vector<std::string> m_names;  // by number
  std::unordered_map<std::string, std::uint32_t> m_numbers;
};

}  // namespace orvanta::sources
