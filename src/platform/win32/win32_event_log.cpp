#include "platform/win32/win32_event_log.h"

#include <algorithm>
#include <limits>

#include "platform/win32/windows_api.h"

namespace orvanta::platform {

bool Win32EventLog::Open() {
  m_log.reset();  // a handle left open by an earlier call is closed first
  m_log.reset(OpenEventLogA(nullptr, "System"));
  m_lastError = m_log ? 0 : GetLastError();
  return static_cast<bool>(m_log);
}

bool Win32EventLog::Read(std::uint32_t flags, std::uint32_t recordOffset,
                         std::span<std::uint8_t> buffer, std::uint32_t& bytesRead,
                         std::uint32_t& bytesNeeded) {
  bytesRead = 0;
  bytesNeeded = 0;
  if (!m_log) {
    m_lastError = ERROR_INVALID_HANDLE;
    return false;
  }
  if (buffer.empty()) {
    // Not the "buffer too small" answer: a reader that grows its buffer on that error would
    // ask again forever.
    m_lastError = ERROR_INVALID_PARAMETER;
    return false;
  }
  const auto size =
      static_cast<DWORD>(std::min<std::size_t>(buffer.size(), std::numeric_limits<DWORD>::max()));
  DWORD read = 0;
  DWORD needed = 0;
  const BOOL ok =
      ReadEventLogA(m_log.get(), flags, recordOffset, buffer.data(), size, &read, &needed);
  m_lastError = ok ? 0 : GetLastError();
  bytesRead = read;
  bytesNeeded = needed;
  return ok != FALSE;
}

void Win32EventLog::Close() {
  m_log.reset();
}

}  // namespace orvanta::platform
