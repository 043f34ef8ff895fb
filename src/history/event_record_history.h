#pragma once

#include <memory>
#include <optional>

#include "history/event_history.h"
#include "history/event_log_api.h"
#include "history/event_record.h"

namespace orvanta::history {

// The neutral event of an event log record: a boot (6005), a clean shutdown (6006), a logon
// (7035, with the record's SID), the event log's report of an unexpected shutdown (6008, with
// the reported end), User32's shutdown request (1074, with its details and SID), the version
// banner a boot writes before its boot event (6009), and every
// other record the last sign of life at its time.
HistoryEvent EventFromRecord(const EventRecordView& record);

// A log of event records (a .evt file, the live System log) read as a history of events.
class EventRecordHistory final : public EventHistory {
 public:
  explicit EventRecordHistory(std::unique_ptr<EventLogApi> log)
      : m_owned(std::move(log)), m_log(*m_owned) {}
  // Reads a log owned elsewhere, which must outlive this history.
  explicit EventRecordHistory(EventLogApi& log) : m_log(log) {}

  void Read(const EventSink& sink) override;
  EventLogApi& Log() { return m_log; }

 private:
  std::unique_ptr<EventLogApi> m_owned;
  EventLogApi& m_log;
};

}  // namespace orvanta::history
