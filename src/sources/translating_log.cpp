#include "sources/translating_log.h"

#include <algorithm>
#include <optional>

#include "sources/record_read_check.h"

namespace orvanta::sources {

bool TranslatingLog::Open() {
  m_open = true;
  Rewind();
  m_hasRecord = TranslateNext(m_record);
  return true;
}

bool TranslatingLog::Read(std::uint32_t flags, std::uint32_t /*recordOffset*/,
                          std::span<std::uint8_t> buffer, std::uint32_t& bytesRead,
                          std::uint32_t& bytesNeeded) {
  bytesRead = 0;
  const auto length = static_cast<std::uint32_t>(m_record.size());
  m_lastError = CheckRecordRead(m_open, flags, m_hasRecord ? std::optional(length) : std::nullopt,
                                buffer.size(), bytesNeeded);
  if (m_lastError != 0) {
    return false;
  }
  std::copy(m_record.begin(), m_record.end(), buffer.begin());
  bytesRead = length;
  m_hasRecord = TranslateNext(m_record);
  return true;
}

void TranslatingLog::Close() {
  m_open = false;
  m_hasRecord = false;
}

}  // namespace orvanta::sources
