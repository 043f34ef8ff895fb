#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32/win32_event_log.h"

namespace orvanta::platform {
namespace {

using history::kErrorHandleEof;
using history::kErrorInsufficientBuffer;
constexpr std::uint32_t kNewestFirst =
    history::kEventLogSequentialRead | history::kEventLogBackwardsRead;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorInvalidParameter = 87;

std::uint32_t LengthField(const std::vector<std::uint8_t>& record) {
  return record[0] | (record[1] << 8) | (record[2] << 16) | (std::uint32_t{record[3]} << 24);
}

// Reads the whole System log the way the reader does: a 56-byte request first, then exactly
// the size the log asks for. Under Wine the log is empty (or cannot be opened at all).
TEST(Win32EventLog, ReadsTheSystemLogToItsEnd) {
  Win32EventLog log;
  if (!log.Open()) {
    GTEST_SKIP() << "the System log cannot be opened here (error " << log.LastError() << ")";
  }
  std::vector<std::uint8_t> buffer(56);
  std::uint32_t request = 56;
  int records = 0;
  for (int reads = 0; reads < 1000000; ++reads) {
    std::uint32_t bytesRead = 0;
    std::uint32_t bytesNeeded = 0;
    if (log.Read(kNewestFirst, 0, std::span(buffer).first(request), bytesRead, bytesNeeded)) {
      ASSERT_GE(bytesRead, 56u);
      EXPECT_EQ(LengthField(buffer), bytesRead);
      ++records;
      request = 56;
      continue;
    }
    if (log.LastError() == kErrorInsufficientBuffer) {
      ASSERT_GT(bytesNeeded, request);
      buffer.resize(bytesNeeded);
      request = bytesNeeded;
      continue;
    }
    break;
  }
  EXPECT_EQ(log.LastError(), kErrorHandleEof) << records << " records read";
  log.Close();
}

TEST(Win32EventLog, RefusesReadsWithoutAnOpenLogOrBuffer) {
  Win32EventLog log;
  std::vector<std::uint8_t> buffer(56);
  std::uint32_t bytesRead = 1;
  std::uint32_t bytesNeeded = 1;
  EXPECT_FALSE(log.Read(kNewestFirst, 0, buffer, bytesRead, bytesNeeded));
  EXPECT_EQ(log.LastError(), kErrorInvalidHandle);
  EXPECT_EQ(bytesRead, 0u);
  EXPECT_EQ(bytesNeeded, 0u);
  if (log.Open()) {
    EXPECT_FALSE(log.Read(kNewestFirst, 0, {}, bytesRead, bytesNeeded));
    EXPECT_EQ(log.LastError(), kErrorInvalidParameter);
    log.Close();
    EXPECT_FALSE(log.Read(kNewestFirst, 0, buffer, bytesRead, bytesNeeded));
    EXPECT_EQ(log.LastError(), kErrorInvalidHandle);
  }
}

}  // namespace
}  // namespace orvanta::platform
