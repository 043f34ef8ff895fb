// The history layer running on the Windows seams.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "history/event_log_reader.h"
#include "history/local_time.h"
#include "history/runs.h"
#include "platform/win32/win32_account_api.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_event_log.h"

namespace orvanta::platform {
namespace {

std::uint32_t LengthField(std::span<const std::uint8_t> record) {
  return record[0] | (record[1] << 8) | (record[2] << 16) | (std::uint32_t{record[3]} << 24);
}

// Under Wine the System log has no records, so nothing is delivered and no run is built; on
// Windows every delivered record is whole.
TEST(Win32History, ReadsTheSystemLogThroughTheReader) {
  Win32EventLog log;
  int records = 0;
  history::ReadSystemLog(log, [&](std::span<const std::uint8_t> record) {
    ++records;
    ASSERT_GE(record.size(), 56u);
    EXPECT_EQ(LengthField(record), record.size());
  });
  Win32AccountApi accounts;
  history::RunList runs = {history::RunRecord{}};
  history::RebuildRuns(runs, log, accounts);
  std::cout << records << " records, " << runs.size() << " runs\n";
  if (records == 0) {
    EXPECT_TRUE(runs.empty());
  }
}

// Run by ctest with TZ set to a fixed-offset zone and the offset Wine must report for it.
TEST(Win32ClockZone, ComputeLocalBiasMatchesTheZone) {
  const char* expected = std::getenv("ORVANTA_EXPECTED_BIAS_MINUTES");
  if (expected == nullptr) {
    GTEST_SKIP() << "run with TZ and ORVANTA_EXPECTED_BIAS_MINUTES set";
  }
  Win32Clock clock;
  EXPECT_EQ(history::ComputeLocalBias(clock), std::stol(expected)) << std::getenv("TZ");
}

}  // namespace
}  // namespace orvanta::platform
