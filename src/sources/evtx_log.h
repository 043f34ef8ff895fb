#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "sources/block_reader.h"
#include "sources/translating_log.h"

namespace orvanta::sources {

// An XML event log file (.evtx) served as the System log. Only the events that rebuild runs
// are kept: EventLog 6005 (boot) and 6006 (clean shutdown), Service Control Manager 7035 with
// the SID of its Security/@UserID, and a Winlogon 7001 logon served as 7035 with its UserSid.
// They are served newest first by EventRecordID; a record found twice (a chunk copied into
// another slot) is served once.
class EvtxLog final : public TranslatingLog {
 public:
  struct Event {
    std::uint64_t RecordId = 0;
    std::int64_t Seconds = 0;  // since 1970, UTC
    std::uint16_t EventId = 0;
    std::vector<std::uint8_t> Sid;
  };

  // Reads the whole file; DamagedChunks counts the chunks skipped, and Readable is false when
  // not one chunk could be read.
  static EvtxLog Read(const BlockReader& bytes);

  bool Readable() const { return m_readable; }
  std::size_t DamagedChunks() const { return m_damagedChunks; }
  const std::vector<Event>& Events() const { return m_events; }

 protected:
  void Rewind() override { m_next = 0; }
  bool TranslateNext(std::vector<std::uint8_t>& record) override;

 private:
  std::vector<Event> m_events;  // newest first
  std::size_t m_next = 0;
  std::size_t m_damagedChunks = 0;
  bool m_readable = false;
};

}  // namespace orvanta::sources
