#include "sources/evtx_log.h"

#include <algorithm>

#include "sources/evtx_events.h"
#include "sources/evtx_file.h"

namespace orvanta::sources {

EvtxLog EvtxLog::Open(BlockReader bytes) {
  EvtxLog log;
  EvtxScan scan = ScanEvtx(bytes);
  log.m_readable = !scan.Chunks.empty();
  log.m_damagedChunks = scan.DamagedChunks;
  OrderEvtxChunks(bytes, scan.Chunks);
  log.m_chunks = std::move(scan.Chunks);
  log.m_bytes = std::move(bytes);
  return log;
}

void EvtxLog::Read(const history::EventSink& sink) {
  Rewind();
  while (const history::HistoryEvent* event = Next()) {
    sink(*event);
  }
}

void EvtxLog::Rewind() {
  m_nextChunk = 0;
  m_events.clear();
  m_next = 0;
}

const history::HistoryEvent* EvtxLog::Next() {
  if (m_next == m_events.size() && !ReadNextChunks()) {
    return nullptr;
  }
  return &m_events[m_next++].Event;
}

bool EvtxLog::ReadNextChunks() {
  const bool newest = m_nextChunk == 0;
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
      ReadEvtxChunk(m_bytes, m_chunks[m_nextChunk], m_binXml, [&](const EvtxRecord& record) {
        m_events.push_back({EvtxEvent(record), newest ? record.Fields->Computer : std::string()});
      });
      // Records run oldest first within a chunk: reversed and sorted stably, records of one
      // number are delivered newest written first, as the others are.
      std::reverse(m_events.begin() + static_cast<std::ptrdiff_t>(first), m_events.end());
    }
  }
  std::stable_sort(m_events.begin(), m_events.end(), [](const Entry& a, const Entry& b) {
    return a.Event.RecordId > b.Event.RecordId;
  });
  if (newest) {
    // The newest record that names its machine: a damaged one may not.
    const auto named = std::find_if(m_events.begin(), m_events.end(),
                                    [](const Entry& e) { return !e.Computer.empty(); });
    m_computer = named == m_events.end() ? std::string() : named->Computer;
  }
  return !m_events.empty();
}

}  // namespace orvanta::sources
