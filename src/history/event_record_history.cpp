#include "history/event_record_history.h"

#include <array>
#include <utility>

#include "history/event_log_reader.h"
#include "history/event_record_content.h"
#include "history/runs.h"

namespace orvanta::history {
namespace {

struct RecordKind {
  std::uint16_t Code;
  EventKind Kind;
};

constexpr std::array<RecordKind, 4> kRecordKinds{{
    {kEventBoot, EventKind::Boot},
    // The version banner written early in every boot, before its boot event.
    {6009, EventKind::BootTypeReport},
    {kEventCleanShutdown, EventKind::CleanShutdown},
    {kEventServiceControl, EventKind::Logon},
}};

constexpr std::uint16_t kEventUnexpectedShutdown = 6008;
constexpr std::uint16_t kEventShutdownRequest = 1074;
constexpr std::size_t kShutdownRequestStrings = 7;
// 6008 carries the end as two SYSTEMTIMEs, local and then UTC; the strings are localised.
constexpr std::size_t kReportedUtcOffset = 16;

// The shutdown request's insertion strings: process, computer, reason, reason code, kind,
// comment, user ("DOMAIN\name"; older systems leave it out).
ShutdownDetails ShutdownRequestDetails(const EventRecordView& record) {
  std::vector<std::string> strings = RecordStrings(record, kShutdownRequestStrings);
  strings.resize(kShutdownRequestStrings);
  ShutdownDetails details;
  details.Initiator = std::move(strings[0]);
  details.Reason = std::move(strings[2]);
  details.ReasonCode = std::move(strings[3]);
  details.Kind = std::move(strings[4]);
  details.User = std::move(strings[6]);
  return details;
}

}  // namespace

HistoryEvent EventFromRecord(const EventRecordView& record) {
  HistoryEvent event;
  event.Seconds = record.TimeGenerated();
  event.RecordId = record.RecordNumber();
  for (const RecordKind& kind : kRecordKinds) {
    if (kind.Code == record.EventCode()) {
      event.Kind = kind.Kind;
    }
  }
  if (record.EventCode() == kEventUnexpectedShutdown && record.SourceIs("EventLog")) {
    event.Kind = EventKind::UnexpectedShutdownReport;
    event.OtherSeconds = SystemTimeSeconds(ByteReader(RecordData(record)), kReportedUtcOffset);
  } else if (record.EventCode() == kEventShutdownRequest && record.SourceIs("User32")) {
    event.Kind = EventKind::ShutdownRequest;
    event.Shutdown = ShutdownRequestDetails(record);
  }
  if (event.Kind == EventKind::Logon || event.Kind == EventKind::ShutdownRequest) {
    const std::span<const std::uint8_t> sid = record.UserSid();
    event.Sid.assign(sid.begin(), sid.end());
  }
  return event;
}

void EventRecordHistory::Read(const EventSink& sink) {
  ReadSystemLog(m_log, [&](std::span<const std::uint8_t> bytes) {
    if (std::optional<EventRecordView> record = EventRecordView::Parse(bytes)) {
      sink(EventFromRecord(*record));
    }
  });
}

}  // namespace orvanta::history
