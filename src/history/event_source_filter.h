#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "history/event_log_api.h"
#include "history/event_record.h"

namespace orvanta::history {

// True unless the record is a boot or clean shutdown that another source than the event log
// wrote: any program may log those numbers under its own name, in the System log or in a log
// of its own, and they say nothing of the computer's runs.
bool IsFromRunEventSource(const EventRecordView& record);

// An event log of records as the event log service writes them, served through the same read
// protocol less the records IsFromRunEventSource turns away.
class EventSourceFilter final : public EventLogApi {
 public:
  explicit EventSourceFilter(std::unique_ptr<EventLogApi> log) : m_log(std::move(log)) {}

  bool Open() override;
  bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) override;
  std::uint32_t LastError() const override { return m_lastError; }
  void Close() override;

 private:
  // Reads records of the wrapped log until one is served; false, with its error, when none is.
  bool ReadNext(std::uint32_t flags, std::uint32_t recordOffset);

  std::unique_ptr<EventLogApi> m_log;
  std::vector<std::uint8_t> m_record;  // the record served next, empty when none is read yet
  std::uint32_t m_lastError = 0;
};

}  // namespace orvanta::history
