#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvanta::history {

// A security identifier in its binary form: revision 1, a 48-bit identifier authority
// (big-endian in the bytes) and up to 15 sub-authorities (little-endian 32-bit each).
struct Sid {
  static constexpr std::size_t kMaxSubAuthorities = 15;

  std::uint64_t Authority = 0;
  std::uint8_t SubAuthorityCount = 0;
  std::array<std::uint32_t, kMaxSubAuthorities> SubAuthorities{};

  friend bool operator==(const Sid&, const Sid&) = default;
};

// Makes a SID from its authority and sub-authorities (at most 15 are kept).
Sid MakeSid(std::uint64_t authority, std::initializer_list<std::uint32_t> subAuthorities);

// Nothing when the bytes are not a revision-1 SID wholly inside the span.
std::optional<Sid> ParseSid(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> EncodeSid(const Sid& sid);
// The "S-1-5-18" form.
std::string FormatSid(const Sid& sid);

}  // namespace orvanta::history
