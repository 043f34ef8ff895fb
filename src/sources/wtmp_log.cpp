#include "sources/wtmp_log.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "history/byte_reader.h"
#include "history/event_record.h"
#include "history/runs.h"
#include "sources/event_record_builder.h"

namespace orvanta::sources {

WtmpLog::WtmpLog(ByteBuffer bytes, UserDirectory& users, const WtmpLayout& layout)
    : m_bytes(std::move(bytes)),
      m_sids(users),
      m_layout(layout),
      m_entryCount(m_bytes.Size() / layout.RecordSize) {}

WtmpLog::WtmpLog(ByteBuffer bytes, UserDirectory& users)
    : WtmpLog(std::move(bytes), users, kWtmpLayouts[0]) {
  if (std::optional<WtmpLayout> layout = DetectWtmpLayout(m_bytes.Span())) {
    m_layout = *layout;
    m_entryCount = m_bytes.Size() / m_layout.RecordSize;
  } else {
    m_entryCount = 0;
  }
}

bool WtmpLog::TranslateNext(std::vector<std::uint8_t>& record) {
  while (m_entry > 0) {
    --m_entry;
    const std::size_t size = m_layout.RecordSize;
    const std::optional<WtmpRecord> entry =
        ReadWtmpRecord(history::ByteReader(m_bytes.Span())
                           .Bytes(m_entry * size, size)
                           .value_or(std::span<const std::uint8_t>()),
                       m_layout);
    if (!entry || !IsHistoryEntry(*entry)) {
      continue;
    }
    std::uint16_t eventId = history::kEventBoot;
    std::span<const std::uint8_t> sid;
    if (entry->Type == WtmpType::RunLevel) {
      eventId = history::kEventCleanShutdown;
    } else if (entry->Type == WtmpType::UserProcess) {
      eventId = history::kEventServiceControl;
      sid = m_sids.SidOf(entry->User);
    }
    BuildEventRecord(record, static_cast<std::uint32_t>(m_entry + 1), entry->Seconds,
                     StoredEventId(eventId), sid);
    return true;
  }
  return false;
}

}  // namespace orvanta::sources
