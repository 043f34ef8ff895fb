#pragma once

#include "history/account_api.h"
#include "history/event_history.h"

namespace orvanta::app {

// Stand-ins when the platform offers no log or no account database for a refresh: a log that
// cannot be opened (an empty history) and accounts that are never found.
class UnavailableLog final : public history::EventHistory {
 public:
  void Read(const history::EventSink&) override {}
  bool SleepKnown() const override { return false; }
};

class NoAccounts final : public history::AccountApi {
 public:
  std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t>) override {
    return std::nullopt;
  }
};

}  // namespace orvanta::app
