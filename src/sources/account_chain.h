#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>

#include "history/account_api.h"

namespace orvanta::sources {

// Asks a second account database where the first has no name: a saved log names both
// accounts this machine knows and users recorded only in the log.
class AccountChain final : public history::AccountApi {
 public:
  AccountChain(std::unique_ptr<history::AccountApi> first,
               std::unique_ptr<history::AccountApi> second)
      : m_first(std::move(first)), m_second(std::move(second)) {}
  std::optional<std::string> LookupAccountSid(std::span<const std::uint8_t> sid) override {
    if (std::optional<std::string> name = m_first->LookupAccountSid(sid)) {
      return name;
    }
    return m_second->LookupAccountSid(sid);
  }

 private:
  std::unique_ptr<history::AccountApi> m_first;
  std::unique_ptr<history::AccountApi> m_second;
};

}  // namespace orvanta::sources
