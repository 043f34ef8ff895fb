#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "history/byte_reader.h"
#include "history/event_record.h"

namespace orvanta::history {

// The first insertion strings of a record (at most `most`), from UTF-16LE to UTF-8. The list
// ends at the record's count or at the first string that does not end inside the record.
std::vector<std::string> RecordStrings(const EventRecordView& record, std::size_t most);

// The record's binary data; empty when it would leave the record.
std::span<const std::uint8_t> RecordData(const EventRecordView& record);

// The 16-byte SYSTEMTIME at offset as seconds since 1970 (the time zone is the writer's);
// nothing when it is not there or names no valid time.
std::optional<std::int64_t> SystemTimeSeconds(const ByteReader& bytes, std::size_t offset);

}  // namespace orvanta::history
