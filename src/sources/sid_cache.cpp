#include "sources/sid_cache.h"

#include <optional>

#include "history/sid.h"
#include "sources/unix_account_api.h"

namespace orvanta::sources {

const std::vector<std::uint8_t>& SidCache::SidOf(std::string_view user) {
  if (auto known = m_sids.find(user); known != m_sids.end()) {
    return known->second;
  }
  std::vector<std::uint8_t> sid;
  if (std::optional<std::uint32_t> uid = m_users.UidOf(user)) {
    sid = history::EncodeSid(UnixUserSid(*uid));
  }
  return m_sids.emplace(std::string(user), std::move(sid)).first->second;
}

}  // namespace orvanta::sources
