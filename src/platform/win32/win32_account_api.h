#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "history/account_api.h"

namespace orvanta::platform {

// Account names from the local computer's account database (advapi32 LookupAccountSidW).
class Win32AccountApi final : public history::AccountApi {
 public:
  std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t> sid) override;
};

}  // namespace orvanta::platform
