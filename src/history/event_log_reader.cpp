#include "history/event_log_reader.h"

#include <new>
#include <stdexcept>
#include <vector>

#include "history/event_record.h"

namespace orvanta::history {
namespace {

constexpr std::uint32_t kReadFlags = kEventLogSequentialRead | kEventLogBackwardsRead;

// Closes the log however the read ends, the consumer's exceptions included.
class OpenLog {
 public:
  explicit OpenLog(EventLogApi& log) : m_log(log) {}
  ~OpenLog() { m_log.Close(); }
  OpenLog(const OpenLog&) = delete;
  OpenLog& operator=(const OpenLog&) = delete;

 private:
  EventLogApi& m_log;
};

bool Resize(std::vector<std::uint8_t>& buffer, std::size_t size) {
  try {
    buffer.resize(size);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
}

}  // namespace

void ReadSystemLog(EventLogApi& log, const EventConsumer& consumer) {
  if (!log.Open()) {
    return;
  }
  OpenLog openLog(log);
  std::vector<std::uint8_t> buffer;
  if (!Resize(buffer, kEventRecordFixedSize)) {
    return;
  }
  std::uint32_t request = kEventRecordFixedSize;
  int growths = 0;
  for (;;) {
    std::uint32_t bytesRead = 0;
    std::uint32_t bytesNeeded = 0;
    if (log.Read(kReadFlags, 0, std::span(buffer.data(), request), bytesRead, bytesNeeded)) {
      consumer(std::span<const std::uint8_t>(buffer));
      request = kEventRecordFixedSize;  // the buffer keeps its size
      growths = 0;
      continue;
    }
    if (log.LastError() != kErrorInsufficientBuffer || bytesNeeded <= request ||
        bytesNeeded > kMaxEventRecordSize || ++growths > kMaxBufferGrowthsPerRecord ||
        !Resize(buffer, bytesNeeded)) {
      return;
    }
    request = bytesNeeded;
  }
}

}  // namespace orvanta::history
