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

std::optional<EvtxLog::Event> EvtxLog::Translate(const EvtxRecord& record) {
  const EvtxFields& fields = *record.Fields;
  if (!fields.EventId) {
    return std::nullopt;
  }
  // Classic sources keep their qualifiers in the upper half of the stored id.
  const auto eventId = static_cast<std::uint16_t>(*fields.EventId & 0xFFFF);
  const auto translation =
      std::find_if(kTranslations.begin(), kTranslations.end(), [&](const Translation& t) {
        return t.EventId == eventId && SameName(t.Provider, fields.Provider);
      });
  if (translation == kTranslations.end()) {
    return std::nullopt;
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
  return event;
}

EvtxLog EvtxLog::Read(BlockReader bytes) {
  EvtxLog log;
  EvtxScan scan = ScanEvtx(bytes);
  log.m_readable = !scan.Chunks.empty();
  log.m_damagedChunks = scan.DamagedChunks;
  OrderEvtxChunks(bytes, scan.Chunks);
  log.m_chunks = std::move(scan.Chunks);
  log.m_bytes = std::move(bytes);
  return log;
}

void EvtxLog::Rewind() {
  m_nextChunk = 0;
  m_events.clear();
  m_next = 0;
}

bool EvtxLog::ReadNextChunks() {
  m_events.clear();
  m_next = 0;
  while (m_events.empty() && m_nextChunk < m_chunks.size()) {
    // Chunks whose numbers overlap (a log cleared and refilled, or a damaged one) are merged;
    // up to a bound, so that a file of lying numbers cannot make memory grow with it.
    std::uint64_t lowest = m_chunks[m_nextChunk].FirstId;
    std::size_t end = m_nextChunk + 1;
    while (end < m_chunks.size() && end - m_nextChunk < kMaxMergedChunks &&
           m_chunks[end].LastId >= lowest) {
      lowest = std::min(lowest, m_chunks[end].FirstId);
      ++end;
    }
    for (; m_nextChunk < end; ++m_nextChunk) {
      const std::size_t first = m_events.size();
      ReadEvtxChunk(m_bytes, m_chunks[m_nextChunk], m_binXml, [this](const EvtxRecord& record) {
        if (std::optional<Event> event = Translate(record)) {
          m_events.push_back(std::move(*event));
        }
      });
      // Records run oldest first within a chunk: reversed and sorted stably, records of one
      // number are served newest written first, as the others are.
      std::reverse(m_events.begin() + static_cast<std::ptrdiff_t>(first), m_events.end());
    }
  }
  std::stable_sort(m_events.begin(), m_events.end(),
                   [](const Event& a, const Event& b) { return a.RecordId > b.RecordId; });
  return !m_events.empty();
}

bool EvtxLog::TranslateNext(std::vector<std::uint8_t>& record) {
  if (m_next == m_events.size() && !ReadNextChunks()) {
    return false;
  }
  const Event& event = m_events[m_next++];
  const auto number =
      static_cast<std::uint32_t>(std::min<std::uint64_t>(event.RecordId, UINT32_MAX));
  BuildEventRecord(record, number, event.Seconds, StoredEventId(event.EventId), event.Sid);
  return true;
}

}  // namespace orvanta::sources
