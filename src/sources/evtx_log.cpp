#include "sources/evtx_log.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "history/runs.h"
#include "sources/event_record_builder.h"
#include "sources/evtx_file.h"

namespace orvanta::sources {
namespace {

enum class SidFrom { None, Security, EventData };

// Which events of which provider are served, and as what.
struct Translation {
  std::string_view Provider;
  std::uint16_t EventId;
  std::uint16_t ServedAs;
  SidFrom Sid;
};

constexpr std::array<Translation, 4> kTranslations{{
    {"EventLog", history::kEventBoot, history::kEventBoot, SidFrom::None},
    {"EventLog", history::kEventCleanShutdown, history::kEventCleanShutdown, SidFrom::None},
    {"Service Control Manager", history::kEventServiceControl, history::kEventServiceControl,
     SidFrom::Security},
    // A user's logon: it tells runs who was there, as a service control event with a user does.
    {"Microsoft-Windows-Winlogon", 7001, history::kEventServiceControl, SidFrom::EventData},
}};

// Provider names are compared as Windows does, without regard to ASCII case.
bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

constexpr std::uint64_t kFiletimeTicksPerSecond = 10'000'000;
constexpr std::int64_t kFiletimeSecondsTo1970 = 11'644'473'600;

std::int64_t SecondsSince1970(std::uint64_t filetime) {
  return static_cast<std::int64_t>(filetime / kFiletimeTicksPerSecond) - kFiletimeSecondsTo1970;
}

}  // namespace

EvtxLog EvtxLog::Read(const BlockReader& bytes) {
  EvtxLog log;
  const EvtxScan scan = ScanEvtx(bytes, [&log](const EvtxRecord& record) {
    const EvtxFields& fields = *record.Fields;
    if (!fields.EventId) {
      return;
    }
    // Classic sources keep their qualifiers in the upper half of the stored id.
    const auto eventId = static_cast<std::uint16_t>(*fields.EventId & 0xFFFF);
    const auto translation =
        std::find_if(kTranslations.begin(), kTranslations.end(), [&](const Translation& t) {
          return t.EventId == eventId && SameName(t.Provider, fields.Provider);
        });
    if (translation == kTranslations.end()) {
      return;
    }
    Event event;
    event.RecordId = fields.RecordId.value_or(record.HeaderId);
    event.Seconds = SecondsSince1970(fields.SystemTime.value_or(record.WrittenTime));
    event.EventId = translation->ServedAs;
    if (translation->Sid == SidFrom::Security) {
      event.Sid = fields.UserId;
    } else if (translation->Sid == SidFrom::EventData) {
      event.Sid = fields.UserSid;
    }
    log.m_events.push_back(std::move(event));
  });
  log.m_readable = scan.ReadableChunks > 0;
  log.m_damagedChunks = scan.DamagedChunks;
  // A wrapped log reuses its oldest slot, so file order is not time order.
  std::stable_sort(log.m_events.begin(), log.m_events.end(),
                   [](const Event& a, const Event& b) { return a.RecordId > b.RecordId; });
  log.m_events.erase(
      std::unique(log.m_events.begin(), log.m_events.end(),
                  [](const Event& a, const Event& b) { return a.RecordId == b.RecordId; }),
      log.m_events.end());
  return log;
}

bool EvtxLog::TranslateNext(std::vector<std::uint8_t>& record) {
  if (m_next == m_events.size()) {
    return false;
  }
  const Event& event = m_events[m_next++];
  const auto number =
      static_cast<std::uint32_t>(std::min<std::uint64_t>(event.RecordId, UINT32_MAX));
  BuildEventRecord(record, number, event.Seconds, StoredEventId(event.EventId), event.Sid);
  return true;
}

}  // namespace orvanta::sources
