#include "support/record_reading.h"

#include "history/event_log_reader.h"
#include "history/event_record.h"
#include "history/event_record_history.h"

namespace orvanta::testsupport {

std::vector<std::vector<std::uint8_t>> ReadRecords(history::EventLogApi& log) {
  std::vector<std::vector<std::uint8_t>> records;
  history::ReadSystemLog(log, [&records](std::span<const std::uint8_t> bytes) {
    auto record = history::EventRecordView::Parse(bytes);
    if (record) {
      records.emplace_back(record->Bytes().begin(), record->Bytes().end());
    } else {
      records.emplace_back();
    }
  });
  return records;
}

history::EventLogApi& RecordLog(history::EventHistory& history) {
  return dynamic_cast<history::EventRecordHistory&>(history).Log();
}

std::vector<history::HistoryEvent> ReadEvents(history::EventHistory& history) {
  std::vector<history::HistoryEvent> events;
  history.Read([&events](const history::HistoryEvent& event) { events.push_back(event); });
  return events;
}

std::vector<std::uint32_t> RecordNumbers(const std::vector<std::vector<std::uint8_t>>& records) {
  std::vector<std::uint32_t> numbers;
  for (const auto& bytes : records) {
    auto record = history::EventRecordView::Parse(bytes);
    numbers.push_back(record ? record->RecordNumber() : 0);
  }
  return numbers;
}

}  // namespace orvanta::testsupport
