#include "sources/logged_user_directory.h"

namespace orvanta::sources {

std::optional<std::uint32_t> LoggedUserDirectory::UidOf(std::string_view name) {
  if (name.empty()) {
    return std::nullopt;
  }
  const auto number = static_cast<std::uint32_t>(m_names.size());
  const auto [entry, added] = m_numbers.emplace(std::string(name), number);
  if (added) {
    m_names.emplace_back(name);
  }
  return entry->second;
}

std::optional<std::string> LoggedUserDirectory::NameOf(std::uint32_t uid) {
  if (uid >= m_names.size()) {
    return std::nullopt;
  }
  return m_names[uid];
}

}  // namespace orvanta::sources
