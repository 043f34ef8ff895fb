#include "sources/evtx_log.h"

#include <algorithm>

#include "sources/evtx_events.h"
#include "sources/evtx_file.h"
#include "sources/side_by_side.h"

namespace orvanta::sources {
namespace {

// Groups of chunks read ahead of the one delivered, per thread: enough to keep every thread
// busy while memory holds only a few chunks' events.
constexpr std::size_t kGroupsAhead = 4;

}  // namespace

EvtxLog EvtxLog::Open(BlockReader bytes, unsigned threads) {
  EvtxLog log;
  log.m_threads = threads;
  EvtxScan scan = ScanEvtx(bytes, threads);
  log.m_readable = !scan.Chunks.empty();
  log.m_damagedChunks = scan.DamagedChunks;
  OrderEvtxChunks(bytes, scan.Chunks);
  log.m_chunks = std::move(scan.Chunks);
  log.m_bytes = std::move(bytes);
  return log;
}

void EvtxLog::Read(const history::EventSink& sink) {
  if (m_threads > 1 && m_chunks.size() > 1) {
    ReadSideBySide(sink);
    return;
  }
  Rewind();
  while (const history::HistoryEvent* event = Next()) {
    sink(*event);
  }
}

void EvtxLog::Rewind() {
  m_nextChunk = 0;
  m_group = Group();
  m_next = 0;
}

const history::HistoryEvent* EvtxLog::Next() {
  if (m_next == m_group.Events.size() && !ReadNextChunks()) {
    return nullptr;
  }
  return &m_group.Events[m_next++].Event;
}

std::size_t EvtxLog::GroupEnd(std::size_t begin) const {
  // Chunks whose numbers overlap (a log cleared and refilled, or a damaged one) are merged; up
  // to a bound, so that a file of lying numbers cannot make memory grow with it.
  std::uint64_t lowest = m_chunks[begin].FirstId;
  std::size_t end = begin + 1;
  while (end < m_chunks.size() && end - begin < kMaxMergedChunks &&
         m_chunks[end].LastId >= lowest) {
    lowest = std::min(lowest, m_chunks[end].FirstId);
    ++end;
  }
  return end;
}

EvtxLog::Group EvtxLog::ReadGroup(const BlockReader& bytes, EvtxBinXml& binXml, std::size_t begin,
                                  std::size_t end) const {
  Group group;
  std::vector<Entry>& events = group.Events;
  for (std::size_t c = begin; c < end; ++c) {
    const std::size_t first = events.size();
    ReadEvtxChunk(bytes, m_chunks[c], binXml, [&](const EvtxRecord& record) {
      const std::string& computer = record.Fields->Computer;
      if (!computer.empty() && (group.Computers.empty() || group.Computers.back() != computer)) {
        group.Computers.push_back(computer);
      }
      events.push_back(
          {EvtxEvent(record),
           computer.empty() ? 0u : static_cast<std::uint32_t>(group.Computers.size())});
    });
    // Records run oldest first within a chunk: reversed and sorted stably, records of one
    // number are delivered newest written first, as the others are.
    std::reverse(events.begin() + static_cast<std::ptrdiff_t>(first), events.end());
  }
  const auto newer = [](const Entry& a, const Entry& b) {
    return a.Event.RecordId > b.Event.RecordId;
  };
  // A chunk read alone is in order already: its events are not moved.
  if (!std::is_sorted(events.begin(), events.end(), newer)) {
    std::stable_sort(events.begin(), events.end(), newer);
  }
  return group;
}

void EvtxLog::NoteComputer(const Group& newest) {
  // The newest record that names its machine: a damaged one may not.
  const auto named = std::find_if(newest.Events.begin(), newest.Events.end(),
                                  [](const Entry& e) { return e.Computer != 0; });
  m_computer = named == newest.Events.end() ? std::string() : newest.Computers[named->Computer - 1];
}

bool EvtxLog::ReadNextChunks() {
  const bool newest = m_nextChunk == 0;
  m_group = Group();
  m_next = 0;
  while (m_group.Events.empty() && m_nextChunk < m_chunks.size()) {
    const std::size_t end = GroupEnd(m_nextChunk);
    m_group = ReadGroup(m_bytes, m_binXml, m_nextChunk, end);
    m_nextChunk = end;
  }
  if (newest) {
    NoteComputer(m_group);
  }
  return !m_group.Events.empty();
}

void EvtxLog::ReadSideBySide(const history::EventSink& sink) {
  std::vector<std::size_t> starts;
  for (std::size_t begin = 0; begin < m_chunks.size(); begin = GroupEnd(begin)) {
    starts.push_back(begin);
  }
  starts.push_back(m_chunks.size());
  // Each thread reads through blocks and a parser of its own.
  struct Worker {
    BlockReader Bytes;
    EvtxBinXml BinXml;
  };
  const std::size_t groups = starts.size() - 1;
  const auto threads = static_cast<unsigned>(std::min<std::size_t>(m_threads, groups));
  std::vector<Worker> workers;
  for (unsigned t = 0; t < threads; ++t) {
    workers.push_back({m_bytes.Another(), EvtxBinXml()});
  }
  std::vector<Group> read(groups);
  bool named = false;
  RunSideBySide(
      groups, threads,
      [&](std::size_t g, unsigned w) {
        read[g] = ReadGroup(workers[w].Bytes, workers[w].BinXml, starts[g], starts[g + 1]);
      },
      [&](std::size_t g) {
        const Group group = std::move(read[g]);
        if (!named && !group.Events.empty()) {
          NoteComputer(group);
          named = true;
        }
        for (const Entry& entry : group.Events) {
          sink(entry.Event);
        }
      },
      kGroupsAhead * threads);
}

}  // namespace orvanta::sources
