#pragma once

#include <cstdint>
#include <span>

namespace orvanta::sources {

// The CRC-32 of zlib and gzip (reflected polynomial 0xEDB88320, preset and inverted), as the
// XML event log stores it for its headers and records.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);

}  // namespace orvanta::sources
