#include "sources/wtmp_log.h"

#include <algorithm>
#include <optional>

namespace orvanta::sources {

WtmpLog::WtmpLog(BlockReader bytes, const WtmpLayout& layout)
    : m_bytes(std::move(bytes)),
      m_layout(layout),
      m_entryCount(static_cast<std::size_t>(m_bytes.Size() / layout.RecordSize)) {}

WtmpLog::WtmpLog(BlockReader bytes) : WtmpLog(std::move(bytes), kWtmpLayouts[0]) {
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

void WtmpLog::Read(const history::EventSink& sink) {
  const std::uint64_t size = m_layout.RecordSize;
  std::size_t entry = m_entryCount;  // entries not yet looked at lie below this index
  while (entry > 0) {
    // Entries in a hole of a sparse file are zeros: the walk goes on where data ends before.
    entry = std::min(
        entry, static_cast<std::size_t>((m_bytes.DataEndBefore(entry * size) + size - 1) / size));
    if (entry == 0) {
      break;
    }
    --entry;
    const std::optional<WtmpRecord> record = HistoryEntry(entry);
    if (!record) {
      continue;
    }
    history::HistoryEvent event;
    event.Kind = history::EventKind::Boot;
    event.Seconds = record->Seconds;
    event.RecordId = entry + 1;
    if (record->Type == WtmpType::RunLevel) {
      event.Kind = history::EventKind::CleanShutdown;
    } else if (record->Type == WtmpType::UserProcess) {
      event.Kind = history::EventKind::Logon;
      event.User = std::string(record->User);
    }
    sink(event);
  }
}

}  // namespace orvanta::sources
