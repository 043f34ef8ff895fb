#pragma once

#include <cstdint>
#include <span>

#include "history/event_log_api.h"
#include "platform/win32/handles.h"

namespace orvanta::platform {

// The local computer's System event log through advapi32. The error of the last failed call
// is captured right after it, so nothing in between can overwrite it.
class Win32EventLog final : public history::EventLogApi {
 public:
  bool Open() override;
  bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
            std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) override;
  std::uint32_t LastError() const override { return m_lastError; }
  void Close() override;

 private:
  UniqueEventLog m_log;
  std::uint32_t m_lastError = 0;
};

}  // namespace orvanta::platform
