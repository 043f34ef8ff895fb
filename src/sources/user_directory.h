#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta::sources {

// User accounts by Unix uid: uid by name and name by uid.
class UserDirectory {
 public:
  virtual ~UserDirectory() = default;
  virtual std::optional<std::uint32_t> UidOf(std::string_view name) = 0;
  virtual std::optional<std::string> NameOf(std::uint32_t uid) = 0;
};

}  // namespace orvanta::sources
