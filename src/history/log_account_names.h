#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvanta::history {

// Names that a log itself pairs with SIDs: a shutdown request carries both the SID it ran under
// and "DOMAIN\name". They name the SIDs of the same log that the account database cannot.
class LogAccountNames {
 public:
  // Keeps the first name given for a SID; names with nothing after the domain are passed over.
  void Add(std::span<const std::uint8_t> sid, std::string_view loggedName);
  // The account part of the name, as the account database gives names.
  std::optional<std::string> Find(std::span<const std::uint8_t> sid) const;
  bool Empty() const { return m_names.empty(); }

 private:
  std::map<std::string, std::string, std::less<>> m_names;  // by the SID's bytes
};

}  // namespace orvanta::history
