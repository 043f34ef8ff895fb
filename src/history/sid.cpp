#include "history/sid.h"

#include "history/byte_reader.h"

namespace orvanta::history {
namespace {

constexpr std::uint8_t kSidRevision = 1;
constexpr std::size_t kSidHeaderSize = 8;  // revision, count, 6-byte authority

}  // namespace

Sid MakeSid(std::uint64_t authority, std::initializer_list<std::uint32_t> subAuthorities) {
  Sid sid;
  sid.Authority = authority & 0xFFFF'FFFF'FFFFull;
  for (std::uint32_t value : subAuthorities) {
    if (sid.SubAuthorityCount == Sid::kMaxSubAuthorities) {
      break;
    }
    sid.SubAuthorities[sid.SubAuthorityCount++] = value;
  }
  return sid;
}

std::optional<Sid> ParseSid(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  std::optional<std::uint8_t> revision = reader.U8(0);
  std::optional<std::uint8_t> count = reader.U8(1);
  if (!revision || !count || *revision != kSidRevision || *count > Sid::kMaxSubAuthorities ||
      !reader.Contains(0, kSidHeaderSize + 4u * *count)) {
    return std::nullopt;
  }
  Sid sid;
  for (std::size_t i = 2; i < kSidHeaderSize; ++i) {
    sid.Authority = sid.Authority << 8 | bytes[i];
  }
  sid.SubAuthorityCount = *count;
  for (std::size_t i = 0; i < *count; ++i) {
    sid.SubAuthorities[i] = *reader.U32(kSidHeaderSize + 4 * i);
  }
  return sid;
}

std::vector<std::uint8_t> EncodeSid(const Sid& sid) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kSidHeaderSize + 4u * sid.SubAuthorityCount);
  bytes.push_back(kSidRevision);
  bytes.push_back(sid.SubAuthorityCount);
  for (int shift = 40; shift >= 0; shift -= 8) {
    bytes.push_back(static_cast<std::uint8_t>(sid.Authority >> shift));
  }
  for (std::size_t i = 0; i < sid.SubAuthorityCount; ++i) {
    for (int shift = 0; shift < 32; shift += 8) {
      bytes.push_back(static_cast<std::uint8_t>(sid.SubAuthorities[i] >> shift));
    }
  }
  return bytes;
}

std::string FormatSid(const Sid& sid) {
  std::string text = "S-1-" + std::to_string(sid.Authority);
  for (std::size_t i = 0; i < sid.SubAuthorityCount; ++i) {
    text += '-';
    text += std::to_string(sid.SubAuthorities[i]);
  }
  return text;
}

}  // namespace orvanta::history
