#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace orvanta::sources {

constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorInvalidParameter = 87;

// The checks a record source makes before it hands over its next record, with the answers the
// event log service gives: a closed log, a read that is not backwards and sequential, no record
// left (error 38), or a buffer too small for the next record (error 122 with its size in
// bytesNeeded). Returns 0 when the record may be copied.
std::uint32_t CheckRecordRead(bool open, std::uint32_t flags,
                              std::optional<std::uint32_t> nextLength, std::size_t bufferSize,
                              std::uint32_t& bytesNeeded);

}  // namespace orvanta::sources
