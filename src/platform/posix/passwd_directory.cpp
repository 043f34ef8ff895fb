#include "platform/posix/passwd_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace orvanta::platform {
namespace {

// getpwnam_r and getpwuid_r need a scratch buffer; grow it while they say it is too small.
template <typename Lookup>
const passwd* QueryPasswd(passwd& entry, std::vector<char>& scratch, Lookup lookup) {
  scratch.resize(1024);
  for (;;) {
    passwd* result = nullptr;
    const int error = lookup(&entry, scratch.data(), scratch.size(), &result);
    if (error == ERANGE && scratch.size() < (1u << 20)) {
      scratch.resize(scratch.size() * 2);
      continue;
    }
    return error == 0 ? result : nullptr;
  }
}

}  // namespace

std::optional<std::uint32_t> PasswdDirectory::UidOf(std::string_view name) {
  std::string key(name);
  if (auto known = m_uids.find(key); known != m_uids.end()) {
    return known->second;
  }
  passwd entry{};
  std::vector<char> scratch;
  const passwd* found =
      QueryPasswd(entry, scratch, [&key](passwd* e, char* buf, std::size_t size, passwd** out) {
        return ::getpwnam_r(key.c_str(), e, buf, size, out);
      });
  std::optional<std::uint32_t> uid;
  if (found != nullptr) {
    uid = static_cast<std::uint32_t>(found->pw_uid);
  }
  m_uids.emplace(std::move(key), uid);
  return uid;
}

std::optional<std::string> PasswdDirectory::NameOf(std::uint32_t uid) {
  if (auto known = m_names.find(uid); known != m_names.end()) {
    return known->second;
  }
  passwd entry{};
  std::vector<char> scratch;
  const passwd* found =
      QueryPasswd(entry, scratch, [uid](passwd* e, char* buf, std::size_t size, passwd** out) {
        return ::getpwuid_r(static_cast<uid_t>(uid), e, buf, size, out);
      });
  std::optional<std::string> name;
  if (found != nullptr && found->pw_name != nullptr) {
    name = found->pw_name;
  }
  m_names.emplace(uid, name);
  return name;
}

void PasswdDirectory::Forget() {
  m_uids.clear();
  m_names.clear();
}

}  // namespace orvanta::platform
