#include "history/event_source_filter.h"

#include <algorithm>
#include <string_view>

#include "history/event_log_reader.h"
#include "history/runs.h"

namespace orvanta::history {
namespace {

constexpr std::string_view kRunEventSource = "EventLog";

}  // namespace

bool IsFromRunEventSource(const EventRecordView& record) {
  const std::uint16_t code = record.EventCode();
  return (code != kEventBoot && code != kEventCleanShutdown) || record.SourceIs(kRunEventSource);
}

bool EventSourceFilter::Open() {
  m_record.clear();
  const bool opened = m_log->Open();
  m_lastError = m_log->LastError();
  return opened;
}

bool EventSourceFilter::ReadNext(std::uint32_t flags, std::uint32_t recordOffset) {
  std::vector<std::uint8_t> buffer(kEventRecordFixedSize);
  int growths = 0;
  for (;;) {
    std::uint32_t bytesRead = 0;
    std::uint32_t bytesNeeded = 0;
    if (m_log->Read(flags, recordOffset, buffer, bytesRead, bytesNeeded)) {
      if (bytesRead == 0) {
        m_lastError = kErrorHandleEof;  // a read that brings nothing ends the log
        return false;
      }
      const std::span<const std::uint8_t> bytes = std::span<const std::uint8_t>(buffer).first(
          std::min<std::size_t>(bytesRead, buffer.size()));
      const std::optional<EventRecordView> record = EventRecordView::Parse(bytes);
      if (!record || IsFromRunEventSource(*record)) {
        m_record.assign(bytes.begin(), bytes.end());
        return true;
      }
      growths = 0;
      continue;
    }
    m_lastError = m_log->LastError();
    // A record larger than the buffer is read again into one of its size, as the reader does.
    if (m_lastError != kErrorInsufficientBuffer || bytesNeeded <= buffer.size() ||
        bytesNeeded > kMaxEventRecordSize || ++growths > kMaxBufferGrowthsPerRecord) {
      return false;
    }
    buffer.resize(bytesNeeded);
  }
}

bool EventSourceFilter::Read(std::uint32_t flags, std::uint32_t recordOffset,
                             std::span<std::uint8_t> buffer, std::uint32_t& bytesRead,
                             std::uint32_t& bytesNeeded) {
  bytesRead = 0;
  bytesNeeded = 0;
  if (m_record.empty() && !ReadNext(flags, recordOffset)) {
    return false;
  }
  const auto length = static_cast<std::uint32_t>(m_record.size());
  if (buffer.size() < length) {
    m_lastError = kErrorInsufficientBuffer;
    bytesNeeded = length;
    return false;
  }
  std::copy(m_record.begin(), m_record.end(), buffer.begin());
  bytesRead = length;
  m_record.clear();
  m_lastError = 0;
  return true;
}

void EventSourceFilter::Close() {
  m_record.clear();
  m_log->Close();
}

}  // namespace orvanta::history
