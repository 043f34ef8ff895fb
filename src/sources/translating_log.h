#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "history/event_log_api.h"

namespace orvanta::sources {

// A history that is not an event log served as the System log: its entries are translated one
// at a time, newest first, into the event record handed over by the next read.
class TranslatingLog : public history::EventLogApi {
 public:
  bool Open() final;
  bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) final;
  std::uint32_t LastError() const final { return m_lastError; }
  void Close() final;

 protected:
  // Goes back to the newest entry.
  virtual void Rewind() = 0;
  // Builds the record of the next entry into record; false when no entry is left.
  virtual bool TranslateNext(std::vector<std::uint8_t>& record) = 0;

 private:
  bool m_open = false;
  bool m_hasRecord = false;
  std::vector<std::uint8_t> m_record;  // the translated record served next
  std::uint32_t m_lastError = 0;
};

}  // namespace orvanta::sources
