#pragma once

#include "history/account_api.h"
#include "history/event_log_api.h"

namespace orvanta::app {

// Stand-ins when the platform offers no log or no account database for a refresh: a log that
// cannot be opened (an empty history) and accounts that are never found.
class UnavailableLog final : public history::EventLogApi {
 public:
  bool Open() override { return false; }
  bool Read(std::uint32_t, std::uint32_t, std::span<std::uint8_t>, std::uint32_t& bytesRead,
            std::uint32_t& bytesNeeded) override {
    bytesRead = 0;
    bytesNeeded = 0;
    return false;
  }
  std::uint32_t LastError() const override { return history::kErrorHandleEof; }
  void Close() override {}
};

class NoAccounts final : public history::AccountApi {
 public:
  std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t>) override {
    return std::nullopt;
  }
};

}  // namespace orvanta::app
