#include "platform/win32/win32_account_api.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <cwchar>

#include "platform/win32/utf.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {
namespace {

// Name and domain buffers hold 260 characters and the terminating null.
constexpr DWORD kNameCapacity = 261;
// The largest SID: revision, count, authority and 15 sub-authorities.
constexpr std::size_t kMaxSidBytes = 68;
constexpr std::size_t kMinSidBytes = 8;

}  // namespace

std::optional<std::string> Win32AccountApi::LookupAccountSid(std::span<const std::uint8_t> sid) {
  if (sid.size() < kMinSidBytes) {
    return std::nullopt;
  }
  // The bytes come from a log record at any offset; the API wants an aligned SID that it can
  // read in full, so validate a copy before handing it over.
  alignas(DWORD) std::array<std::uint8_t, kMaxSidBytes> copy{};
  const std::size_t copied = std::min(sid.size(), copy.size());
  std::memcpy(copy.data(), sid.data(), copied);
  PSID psid = copy.data();
  // The sub-authority count (byte 1) says how long the SID is; it must lie within the bytes
  // given before IsValidSid may look at it.
  const std::size_t declared = kMinSidBytes + 4u * copy[1];
  if (declared > copied || !IsValidSid(psid)) {
    return std::nullopt;
  }
  std::array<wchar_t, kNameCapacity> name{};
  std::array<wchar_t, kNameCapacity> domain{};
  DWORD nameLength = kNameCapacity;
  DWORD domainLength = kNameCapacity;
  SID_NAME_USE use{};
  if (!LookupAccountSidW(nullptr, psid, name.data(), &nameLength, domain.data(), &domainLength,
                         &use)) {
    return std::nullopt;
  }
  return WideToUtf8(std::wstring_view(name.data(), wcsnlen(name.data(), name.size())));
}

}  // namespace orvanta::platform
