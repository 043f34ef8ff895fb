#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "history/event_log_api.h"

namespace orvanta::history {

// Receives one record at the start of the read buffer; the bytes are valid only during the
// call (the next read overwrites them).
using EventConsumer = std::function<void(std::span<const std::uint8_t> record)>;

// Reads the System log newest record first, one record per read, and hands each record to the
// consumer, until the log ends or a read fails. Each record is first requested with 56 bytes;
// error 122 grows the one buffer to the size needed and the record is read again; error 38 or
// any other error ends the read quietly with what was delivered.
//
// A log that lies cannot hold the reader: a size needed that does not exceed the request or
// exceeds the largest record (0x7FFFF bytes), too many 122 answers in a row for one record, or
// a buffer that cannot be allocated end the read with the records already delivered.
void ReadSystemLog(EventLogApi& log, const EventConsumer& consumer);

// Consecutive 122 answers tolerated for one record before the read gives up.
inline constexpr int kMaxBufferGrowthsPerRecord = 8;

}  // namespace orvanta::history
