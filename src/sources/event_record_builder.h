#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orvanta::sources {

// Event ids as the event log stores them, with their severity bits.
std::uint32_t StoredEventId(std::uint16_t eventId);

// Writes into out an information event record as the event log serves it: the event id, one
// time for both generated and written (seconds since 1970, held to the record's unsigned
// 32-bit range) and the user SID bytes (none when empty).
void BuildEventRecord(std::vector<std::uint8_t>& out, std::uint32_t recordNumber,
                      std::int64_t seconds, std::uint32_t storedEventId,
                      std::span<const std::uint8_t> sid);

}  // namespace orvanta::sources
