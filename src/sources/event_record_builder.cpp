#include "sources/event_record_builder.h"

#include <algorithm>

#include "history/event_record.h"
#include "history/runs.h"

namespace orvanta::sources {
namespace {

void PutU32(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    out[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

}  // namespace

std::uint32_t StoredEventId(std::uint16_t eventId) {
  // Service control events are informational; boots and shutdowns carry the warning bit as
  // the event log writes them.
  const std::uint32_t severity =
      eventId == history::kEventServiceControl ? 0x40000000u : 0x80000000u;
  return severity | eventId;
}

void BuildEventRecord(std::vector<std::uint8_t>& out, std::uint32_t recordNumber,
                      std::int64_t seconds, std::uint32_t storedEventId,
                      std::span<const std::uint8_t> sid) {
  const std::size_t length = history::kEventRecordFixedSize + sid.size() + 4;
  out.assign(length, 0);
  PutU32(out, history::EventRecordOffsets::Length, static_cast<std::uint32_t>(length));
  PutU32(out, history::EventRecordOffsets::Reserved, history::kEventLogSignature);
  PutU32(out, history::EventRecordOffsets::RecordNumber, recordNumber);
  const auto time = static_cast<std::uint32_t>(std::clamp<std::int64_t>(seconds, 0, UINT32_MAX));
  PutU32(out, history::EventRecordOffsets::TimeGenerated, time);
  PutU32(out, history::EventRecordOffsets::TimeWritten, time);
  PutU32(out, history::EventRecordOffsets::EventId, storedEventId);
  out[history::EventRecordOffsets::EventType] = 4;  // information
  const auto variable = static_cast<std::uint32_t>(history::kEventRecordFixedSize);
  const auto sidSize = static_cast<std::uint32_t>(sid.size());
  PutU32(out, history::EventRecordOffsets::StringOffset, variable + sidSize);
  PutU32(out, history::EventRecordOffsets::UserSidLength, sidSize);
  PutU32(out, history::EventRecordOffsets::UserSidOffset, variable);
  PutU32(out, history::EventRecordOffsets::DataOffset, variable + sidSize);
  std::copy(sid.begin(), sid.end(), out.begin() + history::kEventRecordFixedSize);
  PutU32(out, length - 4, static_cast<std::uint32_t>(length));
}

}  // namespace orvanta::sources
