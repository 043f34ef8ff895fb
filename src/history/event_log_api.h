#pragma once

#include <cstdint>
#include <span>

namespace orvanta::history {

// ReadEventLog flags and the two error codes the reader relies on.
constexpr std::uint32_t kEventLogSequentialRead = 0x0001;
constexpr std::uint32_t kEventLogBackwardsRead = 0x0008;
constexpr std::uint32_t kErrorHandleEof = 38;
constexpr std::uint32_t kErrorInsufficientBuffer = 122;

// The System event log as the operating system serves it: records newest first, one per
// successful read. A read into a buffer smaller than the next record fails with
// kErrorInsufficientBuffer, reports the size needed and does not move the read position;
// after the oldest record a read fails with kErrorHandleEof.
class EventLogApi {
 public:
  virtual ~EventLogApi() = default;
  // Opens the System log of the local computer; false when it cannot be opened.
  virtual bool Open() = 0;
  // Reads into buffer (its size is the number of bytes to read). True on success; on
  // failure LastError() tells why and bytesNeeded holds the record's size after error 122.
  virtual bool Read(std::uint32_t flags, std::uint32_t recordOffset, std::span<std::uint8_t> buffer,
                    std::uint32_t& bytesRead, std::uint32_t& bytesNeeded) = 0;
  virtual std::uint32_t LastError() const = 0;
  virtual void Close() = 0;
};

}  // namespace orvanta::history
