#include "sources/oldest_record.h"

#include <vector>

#include "history/event_record.h"

namespace orvanta::sources {

std::optional<std::int64_t> OldestRecordSeconds(history::EventLogApi& log) {
  if (!log.Open()) {
    return std::nullopt;
  }
  std::optional<std::int64_t> oldest;
  std::vector<std::uint8_t> buffer(0x10000);
  const std::uint32_t flags = history::kEventLogSequentialRead | history::kEventLogBackwardsRead;
  for (;;) {
    std::uint32_t read = 0;
    std::uint32_t needed = 0;
    if (log.Read(flags, 0, buffer, read, needed)) {
      if (auto record = history::EventRecordView::Parse(std::span(buffer).first(read))) {
        oldest = record->TimeGenerated();
      }
    } else if (log.LastError() == history::kErrorInsufficientBuffer && needed > buffer.size()) {
      buffer.resize(needed);
    } else {
      break;
    }
  }
  log.Close();
  return oldest;
}

}  // namespace orvanta::sources
