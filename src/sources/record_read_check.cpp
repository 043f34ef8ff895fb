#include "sources/record_read_check.h"

#include "history/event_log_api.h"

namespace orvanta::sources {

std::uint32_t CheckRecordRead(bool open, std::uint32_t flags,
                              std::optional<std::uint32_t> nextLength, std::size_t bufferSize,
                              std::uint32_t& bytesNeeded) {
  constexpr std::uint32_t kBackwardsSequential =
      history::kEventLogSequentialRead | history::kEventLogBackwardsRead;
  bytesNeeded = 0;
  if (!open) {
    return kErrorInvalidHandle;
  }
  if ((flags & kBackwardsSequential) != kBackwardsSequential) {
    return kErrorInvalidParameter;
  }
  if (!nextLength) {
    return history::kErrorHandleEof;
  }
  if (bufferSize < *nextLength) {
    bytesNeeded = *nextLength;
    return history::kErrorInsufficientBuffer;
  }
  return 0;
}

}  // namespace orvanta::sources
