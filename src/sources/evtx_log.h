#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/event_history.h"
#include "history/history_event.h"
#include "sources/block_reader.h"
#include "sources/evtx_binxml.h"
#include "sources/evtx_file.h"

namespace orvanta::sources {

// An XML event log file (.evtx) read as a history: every record becomes an event (a boot, a
// shutdown, a logon, a sleep, a clock change, ... or else a sign that the machine was running
// then). They are delivered newest first by EventRecordID, one chunk at a time (a few where
// their numbers overlap), so that memory holds one chunk's events however large the file is; a
// chunk found twice (copied into another slot) is read once, while records of the same number
// but other content are all delivered.
class EvtxLog final : public history::EventHistory {
 public:
  // Checks every chunk of the file; DamagedChunks counts the chunks skipped, and Readable is
  // false when not one chunk could be read. The events are read from the file as they are
  // delivered. With more than one thread, the chunks are checked, and parsed ahead of the
  // reading, on up to that many threads.
  static EvtxLog Open(BlockReader bytes, unsigned threads = 1);

  bool Readable() const { return m_readable; }
  std::size_t DamagedChunks() const { return m_damagedChunks; }

  void Read(const history::EventSink& sink) override;

  // The same events pulled one at a time: Rewind goes back to the newest, Next gives the next
  // one (valid until the following call) or null when none is left.
  void Rewind();
  const history::HistoryEvent* Next();

  // The machine's name in the newest record, once the newest events were read.
  std::string Computer() const { return m_computer; }
  std::optional<std::string> Machine() const override { return m_computer; }

 private:
  struct Entry {
    history::HistoryEvent Event;
    std::uint32_t Computer = 0;  // 1 + its index in the group's names, 0 for none
  };
  // The events of a group of chunks, newest first, and the machine names they give.
  struct Group {
    std::vector<Entry> Events;
    std::vector<std::string> Computers;
  };

  // The chunks from begin read together (their numbers overlap): the end of their range.
  std::size_t GroupEnd(std::size_t begin) const;
  // The events of the chunks [begin, end), read through bytes and binXml.
  Group ReadGroup(const BlockReader& bytes, EvtxBinXml& binXml, std::size_t begin,
                  std::size_t end) const;
  // Reads the events of the next chunks that have any; false when no chunk is left.
  bool ReadNextChunks();
  void ReadSideBySide(const history::EventSink& sink);
  // Takes the machine's name from the newest events, once.
  void NoteComputer(const Group& newest);

  static constexpr std::size_t kMaxMergedChunks = 16;

  BlockReader m_bytes;
  std::vector<EvtxChunk> m_chunks;  // newest first
  std::size_t m_nextChunk = 0;
  EvtxBinXml m_binXml;
  Group m_group;  // the chunks being delivered
  std::size_t m_next = 0;
  std::size_t m_damagedChunks = 0;
  bool m_readable = false;
  unsigned m_threads = 1;
  std::string m_computer;
};

}  // namespace orvanta::sources
