#include "sources/evtx_record_log.h"

#include <algorithm>
#include <array>

#include "history/runs.h"
#include "sources/event_record_builder.h"

namespace orvanta::sources {
namespace {

struct ServedKind {
  history::EventKind Kind;
  std::uint16_t EventId;
};

constexpr std::array<ServedKind, 3> kServed{{
    {history::EventKind::Boot, history::kEventBoot},
    {history::EventKind::CleanShutdown, history::kEventCleanShutdown},
    {history::EventKind::Logon, history::kEventServiceControl},
}};

}  // namespace

bool EvtxRecordLog::TranslateNext(std::vector<std::uint8_t>& record) {
  while (const history::HistoryEvent* event = m_log.Next()) {
    const auto served = std::find_if(kServed.begin(), kServed.end(),
                                     [&](const ServedKind& s) { return s.Kind == event->Kind; });
    if (served == kServed.end()) {
      continue;
    }
    const auto number =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(event->RecordId, UINT32_MAX));
    BuildEventRecord(record, number, event->Seconds, StoredEventId(served->EventId), event->Sid);
    return true;
  }
  return false;
}

}  // namespace orvanta::sources
