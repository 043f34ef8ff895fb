#include "sources/wtmp_log.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "history/byte_reader.h"
#include "history/event_record.h"
#include "history/runs.h"
#include "sources/event_record_builder.h"

namespace orvanta::sources {

WtmpLog::WtmpLog(BlockReader bytes, UserDirectory& users, const WtmpLayout& layout)
    : m_bytes(std::move(bytes)),
      m_sids(users),
      m_layout(layout),
      m_entryCount(static_cast<std::size_t>(m_bytes.Size() / layout.RecordSize)) {}

WtmpLog::WtmpLog(BlockReader bytes, UserDirectory& users)
    : WtmpLog(std::move(bytes), users, kWtmpLayouts[0]) {
  if (std::optional<WtmpLayout> layout = DetectWtmpLayout(m_bytes)) {
    m_layout = *layout;
    m_entryCount = static_cast<std::size_t>(m_bytes.Size() / m_layout.RecordSize);
  } else {
    m_entryCount = 0;
  }
}

std::optional<WtmpRecord> WtmpLog::HistoryEntry(std::size_t index) const {
  const std::size_t size = m_layout.RecordSize;
  const std::span<const std::uint8_t> bytes = m_bytes.Bytes(std::uint64_t{index} * size, size);
  if (!MayBeHistoryEntry(bytes, m_layout)) {
    return std::nullopt;
  }
  std::optional<WtmpRecord> entry = ReadWtmpRecord(bytes, m_layout);
  return entry && IsHistoryEntry(*entry) ? entry : std::nullopt;
}

std::optional<std::int64_t> WtmpLog::OldestSeconds() const {
  for (std::size_t index = 0; index < m_entryCount; ++index) {
    // Entries in a hole of a sparse file are zeros: the walk goes on where data comes next.
    index = std::max(index, static_cast<std::size_t>(
                                m_bytes.DataFrom(std::uint64_t{index} * m_layout.RecordSize) /
                                m_layout.RecordSize));
    if (index >= m_entryCount) {
      break;
    }
    if (const std::optional<WtmpRecord> entry = HistoryEntry(index)) {
      return entry->Seconds;
    }
  }
  return std::nullopt;
}

bool WtmpLog::TranslateNext(std::vector<std::uint8_t>& record) {
  while (m_entry > 0) {
    // Entries in a hole of a sparse file are zeros: the walk goes on where data ends before.
    const std::uint64_t size = m_layout.RecordSize;
    m_entry = std::min(m_entry, static_cast<std::size_t>(
                                    (m_bytes.DataEndBefore(m_entry * size) + size - 1) / size));
    if (m_entry == 0) {
      break;
    }
    --m_entry;
    const std::optional<WtmpRecord> entry = HistoryEntry(m_entry);
    if (!entry) {
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
