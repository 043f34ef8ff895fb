#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sources/block_reader.h"
#include "sources/evtx_binxml.h"
#include "sources/evtx_file.h"
#include "sources/translating_log.h"

namespace orvanta::sources {

// An XML event log file (.evtx) served as the System log. Only the events that rebuild runs
// are kept: EventLog 6005 (boot) and 6006 (clean shutdown), Service Control Manager 7035 with
// the SID of its Security/@UserID, and a Winlogon 7001 logon served as 7035 with its UserSid.
// They are served newest first by EventRecordID, one chunk at a time (a few where their numbers
// overlap), so that memory holds one chunk's events however large the file is; a chunk found twice
// (copied into another slot) is served once, while records of the same number but other content are
// all served.
class EvtxLog final : public TranslatingLog {
 public:
  struct Event {
    std::uint64_t RecordId = 0;
    std::int64_t Seconds = 0;  // since 1970, UTC
    std::uint16_t EventId = 0;
    std::vector<std::uint8_t> Sid;
  };

  // Checks every chunk of the file; DamagedChunks counts the chunks skipped, and Readable is
  // false when not one chunk could be read. The events are read from the file as they are
  // served.
  static EvtxLog Read(BlockReader bytes);

  bool Readable() const { return m_readable; }
  std::size_t DamagedChunks() const { return m_damagedChunks; }

 protected:
  void Rewind() override;
  bool TranslateNext(std::vector<std::uint8_t>& record) override;

 private:
  // The event a record is served as, if it is one of the wanted ones.
  static std::optional<Event> Translate(const EvtxRecord& record);
  // Reads the wanted events of the next chunks that have any; false when no chunk is left.
  bool ReadNextChunks();

  static constexpr std::size_t kMaxMergedChunks = 16;

  BlockReader m_bytes;
  std::vector<EvtxChunk> m_chunks;  // newest first
  std::size_t m_nextChunk = 0;
  EvtxBinXml m_binXml;
  std::vector<Event> m_events;  // of the chunk being served, newest first
  std::size_t m_next = 0;
  std::size_t m_damagedChunks = 0;
  bool m_readable = false;
};

}  // namespace orvanta::sources
