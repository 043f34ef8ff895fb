#include "sources/wtmp_log.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "sources/side_by_side.h"

namespace orvanta::sources {
namespace {

// Entries translated as one piece of work, and pieces begun ahead per thread: the events held
// meanwhile stay a few megabytes.
constexpr std::size_t kBatchEntries = 16384;
constexpr std::size_t kBatchesAhead = 4;

// The walk goes down the file and would wait on memory for each record: the one it reads this
// many records later is asked for now. (A prefetch is a hint; it never faults, wherever it
// points.)
constexpr std::uintptr_t kPrefetchRecords = 16;
constexpr std::uintptr_t kCacheLine = 64;

void PrefetchAhead(std::span<const std::uint8_t> record) {
  if (record.empty()) {
    return;
  }
  const std::uintptr_t ahead =
      reinterpret_cast<std::uintptr_t>(record.data()) - kPrefetchRecords * record.size();
  for (std::uintptr_t line = 0; line < record.size(); line += kCacheLine) {
    __builtin_prefetch(reinterpret_cast<const void*>(ahead + line));
  }
}

}  // namespace

WtmpLog::WtmpLog(BlockReader bytes, const WtmpLayout& layout, unsigned threads)
    : m_bytes(std::move(bytes)),
      m_layout(layout),
      m_entryCount(static_cast<std::size_t>(m_bytes.Size() / layout.RecordSize)),
      m_threads(threads) {}

WtmpLog::WtmpLog(BlockReader bytes) : WtmpLog(std::move(bytes), kWtmpLayouts[0]) {
  if (std::optional<WtmpLayout> layout = DetectWtmpLayout(m_bytes)) {
    m_layout = *layout;
    m_entryCount = static_cast<std::size_t>(m_bytes.Size() / m_layout.RecordSize);
  } else {
    m_entryCount = 0;
  }
}

std::span<const std::uint8_t> WtmpLog::EntryBytes(const BlockReader& file,
                                                  std::size_t index) const {
  const std::size_t size = m_layout.RecordSize;
  return file.Bytes(std::uint64_t{index} * size, size);
}

std::optional<WtmpRecord> WtmpLog::HistoryEntry(std::span<const std::uint8_t> bytes) const {
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
    if (const std::optional<WtmpRecord> entry = HistoryEntry(EntryBytes(m_bytes, index))) {
      return entry->Seconds;
    }
  }
  return std::nullopt;
}

template <typename Deliver>
void WtmpLog::ReadEntries(const BlockReader& bytes, std::size_t from, std::size_t to,
                          const Deliver& deliver) const {
  const std::uint64_t size = m_layout.RecordSize;
  std::size_t entry = to;  // entries not yet looked at lie below this index
  while (entry > from) {
    // Entries in a hole of a sparse file are zeros: the walk goes on where data ends before.
    entry = std::min(
        entry, static_cast<std::size_t>((bytes.DataEndBefore(entry * size) + size - 1) / size));
    if (entry <= from) {
      break;
    }
    --entry;
    const std::span<const std::uint8_t> recordBytes = EntryBytes(bytes, entry);
    PrefetchAhead(recordBytes);
    const std::optional<WtmpRecord> record = HistoryEntry(recordBytes);
    if (!record) {
      continue;
    }
    Entry out;
    out.Kind = history::EventKind::Boot;
    out.Seconds = record->Seconds;
    out.RecordId = entry + 1;
    if (record->Type == WtmpType::RunLevel) {
      out.Kind = history::EventKind::CleanShutdown;
    } else if (record->Type == WtmpType::UserProcess) {
      out.Kind = history::EventKind::Logon;
      out.UserLength = static_cast<std::uint8_t>(std::min(record->User.size(), out.User.size()));
      std::copy_n(record->User.begin(), out.UserLength, out.User.begin());
    }
    deliver(out);
  }
}

void WtmpLog::Hand(const Entry& entry, history::HistoryEvent& event,
                   const history::EventSink& sink) {
  event.Kind = entry.Kind;
  event.Seconds = entry.Seconds;
  event.RecordId = entry.RecordId;
  event.User.assign(entry.User.data(), entry.UserLength);
  sink(event);
}

void WtmpLog::Read(const history::EventSink& sink) {
  if (m_threads > 1 && m_entryCount > kBatchEntries) {
    ReadSideBySide(sink);
    return;
  }
  history::HistoryEvent event;
  ReadEntries(m_bytes, 0, m_entryCount, [&](const Entry& entry) { Hand(entry, event, sink); });
}

void WtmpLog::ReadSideBySide(const history::EventSink& sink) {
  // Batches of entries from the newest end, each translated on a thread through blocks of its
  // own and delivered in turn.
  const std::size_t batches = (m_entryCount + kBatchEntries - 1) / kBatchEntries;
  const auto threads = static_cast<unsigned>(std::min<std::size_t>(m_threads, batches));
  std::vector<BlockReader> readers;
  for (unsigned t = 0; t < threads; ++t) {
    readers.push_back(m_bytes.Another());
  }
  // A ring of slots, one for each batch that may be under way, keeps its room from batch to
  // batch.
  const std::size_t ahead = kBatchesAhead * threads;
  std::vector<std::vector<Entry>> ring(ahead);
  history::HistoryEvent event;
  RunSideBySide(
      batches, threads,
      [&](std::size_t b, unsigned worker) {
        const std::size_t to = m_entryCount - b * kBatchEntries;
        const std::size_t from = to - std::min(to, kBatchEntries);
        std::vector<Entry>& slot = ring[b % ahead];
        slot.clear();
        ReadEntries(readers[worker], from, to, [&](const Entry& entry) { slot.push_back(entry); });
      },
      [&](std::size_t b) {
        for (const Entry& entry : ring[b % ahead]) {
          Hand(entry, event, sink);
        }
      },
      ahead);
}

}  // namespace orvanta::sources
