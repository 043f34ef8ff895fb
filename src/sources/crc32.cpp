#include "sources/crc32.h"

#include <array>

namespace orvanta::sources {
namespace {

using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

// Eight tables, so the loop takes eight bytes a step: checksums cover every record of a file.
constexpr Tables MakeTables() {
  Tables t{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) {
      c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    }
    t[0][i] = c;
  }
  for (std::size_t i = 0; i < 256; ++i) {
    for (std::size_t k = 1; k < 8; ++k) {
      t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    }
  }
  return t;
}

constexpr Tables kTables = MakeTables();

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  std::uint32_t c = ~crc;
  std::size_t i = 0;
  const std::size_t n = bytes.size();
  for (; i + 8 <= n; i += 8) {
    const std::uint32_t lo =
        c ^ (static_cast<std::uint32_t>(bytes[i]) | static_cast<std::uint32_t>(bytes[i + 1]) << 8 |
             static_cast<std::uint32_t>(bytes[i + 2]) << 16 |
             static_cast<std::uint32_t>(bytes[i + 3]) << 24);
    c = kTables[7][lo & 0xFF] ^ kTables[6][(lo >> 8) & 0xFF] ^ kTables[5][(lo >> 16) & 0xFF] ^
        kTables[4][lo >> 24] ^ kTables[3][bytes[i + 4]] ^ kTables[2][bytes[i + 5]] ^
        kTables[1][bytes[i + 6]] ^ kTables[0][bytes[i + 7]];
  }
  for (; i < n; ++i) {
    c = kTables[0][(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
  }
  return ~c;
}

}  // namespace orvanta::sources
