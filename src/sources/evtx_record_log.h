#pragma once

#include <cstdint>
#include <vector>

#include "sources/evtx_log.h"
#include "sources/translating_log.h"

namespace orvanta::sources {

// An .evtx history served as the System log's event records, for the readers that still take
// an event log: its boots (6005), clean shutdowns (6006) and logons (7035 with their SID), newest
// first, one chunk's events in memory at a time; its other events are left out.
class EvtxRecordLog final : public TranslatingLog {
 public:
  explicit EvtxRecordLog(EvtxLog log) : m_log(std::move(log)) {}

 protected:
  void Rewind() override { m_log.Rewind(); }
  bool TranslateNext(std::vector<std::uint8_t>& record) override;

 private:
  EvtxLog m_log;
};

}  // namespace orvanta::sources
