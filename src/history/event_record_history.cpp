#include "history/event_record_history.h"

#include <array>
#include <utility>

#include "history/event_log_reader.h"
#include "history/runs.h"

namespace orvanta::history {
namespace {

struct RecordKind {
  std::uint16_t Code;
  EventKind Kind;
};

constexpr std::array<RecordKind, 3> kRecordKinds{{
    {kEventBoot, EventKind::Boot},
    {kEventCleanShutdown, EventKind::CleanShutdown},
    {kEventServiceControl, EventKind::Logon},
}};

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
  if (event.Kind == EventKind::Logon) {
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
