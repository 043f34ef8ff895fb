#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvanta::history {

// The account database: the bare account name (UTF-8) of a binary SID, or nothing when no
// account matches or the lookup fails.
class AccountApi {
 public:
  virtual ~AccountApi() = default;
  virtual std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t> sid) = 0;
};

}  // namespace orvanta::history
