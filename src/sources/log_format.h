#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvanta::sources {

// What a file's first bytes say it is. Other: no signature; perhaps a wtmp file, which has
// none and is told by its records.
enum class LogFormat : std::uint8_t { Evt, Evtx, Journal, Sqlite, Other };

// How many first bytes tell every format.
inline constexpr std::size_t kLogFormatHeadBytes = 16;

LogFormat RecognizeLogFormat(std::span<const std::uint8_t> head);

}  // namespace orvanta::sources
