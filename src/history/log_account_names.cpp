#include "history/log_account_names.h"

namespace orvanta::history {

void LogAccountNames::Add(std::span<const std::uint8_t> sid, std::string_view loggedName) {
  const std::size_t slash = loggedName.rfind('\\');
  const std::string_view name =
      slash == std::string_view::npos ? loggedName : loggedName.substr(slash + 1);
  if (sid.empty() || name.empty()) {
    return;
  }
  m_names.try_emplace(std::string(sid.begin(), sid.end()), name);
}

std::optional<std::string> LogAccountNames::Find(std::span<const std::uint8_t> sid) const {
  if (m_names.empty()) {
    return std::nullopt;
  }
  const auto found = m_names.find(std::string(sid.begin(), sid.end()));
  if (found == m_names.end()) {
    return std::nullopt;
  }
  return found->second;
}

}  // namespace orvanta::history
