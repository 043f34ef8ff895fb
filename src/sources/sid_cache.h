#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sources/user_directory.h"

namespace orvanta::sources {

// The SID bytes of user names, empty for a name without an account; remembered per name,
// since a history names the same few users over and over.
class SidCache {
 public:
  explicit SidCache(UserDirectory& users) : m_users(users) {}

  const std::vector<std::uint8_t>& SidOf(std::string_view user);

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };

  UserDirectory& m_users;
  std::unordered_map<std::string, std::vector<std::uint8_t>, NameHash, std::equal_to<>> m_sids;
};

}  // namespace orvanta::sources
