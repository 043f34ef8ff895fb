#include <gtest/gtest.h>

#include <stdexcept>

#include "history/event_log_reader.h"
#include "history/event_record.h"
#include "support/evt_writer.h"
#include "support/fakes.h"

namespace orvanta::history {
namespace {

using testsupport::BuildEventRecord;
using testsupport::FakeEventLog;

std::vector<std::vector<std::uint8_t>> Records(std::initializer_list<std::size_t> dataLengths) {
  std::vector<std::vector<std::uint8_t>> records;
  std::uint32_t number = 100;
  for (std::size_t length : dataLengths) {
    records.push_back(BuildEventRecord({6005, number, {}, length}, number));
    --number;
  }
  return records;
}

// Record numbers in delivery order, checking that each delivery starts with a whole record.
std::vector<std::uint32_t> ReadAll(EventLogApi& log) {
  std::vector<std::uint32_t> numbers;
  ReadSystemLog(log, [&numbers](std::span<const std::uint8_t> bytes) {
    auto record = EventRecordView::Parse(bytes);
    ASSERT_TRUE(record);
    ASSERT_LE(record->Length(), bytes.size());
    numbers.push_back(record->RecordNumber());
  });
  return numbers;
}

TEST(ReadSystemLog, DeliversEveryRecordNewestFirstWithTwoReadsEach) {
  auto records = Records({0, 400, 3, 0, 1000});
  FakeEventLog log(records);
  EXPECT_EQ(ReadAll(log), (std::vector<std::uint32_t>{100, 99, 98, 97, 96}));
  // 56 bytes first, then exactly the record's size; the final read hits the end.
  std::vector<std::uint32_t> expected;
  for (const auto& record : records) {
    expected.push_back(56);
    expected.push_back(static_cast<std::uint32_t>(record.size()));
  }
  expected.push_back(56);
  EXPECT_EQ(log.RequestSizes, expected);
  EXPECT_EQ(log.OpenCalls, 1);
  EXPECT_EQ(log.CloseCalls, 1);
}

TEST(ReadSystemLog, TwoCallsInARowDeliverTheSameRecords) {
  FakeEventLog log(Records({5, 9, 0}));
  EXPECT_EQ(ReadAll(log), ReadAll(log));
  EXPECT_EQ(log.CloseCalls, 2);
}

TEST(ReadSystemLog, AnEmptyLogOrOneThatDoesNotOpenDeliversNothing) {
  FakeEventLog empty({});
  EXPECT_TRUE(ReadAll(empty).empty());
  EXPECT_EQ(empty.RequestSizes, (std::vector<std::uint32_t>{56}));

  FakeEventLog closed(Records({0}));
  closed.Opens = false;
  EXPECT_TRUE(ReadAll(closed).empty());
  EXPECT_TRUE(closed.RequestSizes.empty());
  EXPECT_EQ(closed.CloseCalls, 0);  // no handle, nothing to close
}

TEST(ReadSystemLog, AFailedReadEndsWithTheRecordsDelivered) {
  FakeEventLog log(Records({0, 0, 0, 0}));
  log.FailAfter = 2;
  log.FailError = 1500;  // the log became corrupt
  EXPECT_EQ(ReadAll(log), (std::vector<std::uint32_t>{100, 99}));
  EXPECT_EQ(log.CloseCalls, 1);
}

TEST(ReadSystemLog, ClosesTheLogWhenTheConsumerThrows) {
  FakeEventLog log(Records({0, 0}));
  EXPECT_THROW(
      ReadSystemLog(log,
                    [](std::span<const std::uint8_t>) { throw std::runtime_error("consumer"); }),
      std::runtime_error);
  EXPECT_EQ(log.CloseCalls, 1);
}

// A log whose every read fails with 122, asking for the sizes it is given.
class InsufficientForever : public EventLogApi {
 public:
  explicit InsufficientForever(std::function<std::uint32_t(std::uint32_t)> needed)
      : m_needed(std::move(needed)) {}
  int Reads = 0;
  std::uint32_t LargestRequest = 0;
  bool Open() override { return true; }
  bool Read(std::uint32_t, std::uint32_t, std::span<std::uint8_t> buffer, std::uint32_t&,
            std::uint32_t& bytesNeeded) override {
    ++Reads;
    const auto request = static_cast<std::uint32_t>(buffer.size());
    LargestRequest = std::max(LargestRequest, request);
    bytesNeeded = m_needed(request);
    return false;
  }
  std::uint32_t LastError() const override { return kErrorInsufficientBuffer; }
  void Close() override {}

 private:
  std::function<std::uint32_t(std::uint32_t)> m_needed;
};

struct LyingCase {
  const char* Name;
  std::function<std::uint32_t(std::uint32_t)> Needed;
  int MaxReads;
};

TEST(ReadSystemLog, ALogThatKeepsAnswering122CannotHoldTheReader) {
  const std::array<LyingCase, 5> cases = {{
      {"same size again", [](std::uint32_t) { return 200u; }, 2},
      {"no more than asked", [](std::uint32_t request) { return request; }, 1},
      {"zero", [](std::uint32_t) { return 0u; }, 1},
      {"absurd size", [](std::uint32_t) { return 0xFFFFFFF0u; }, 1},
      {"grows forever", [](std::uint32_t request) { return request + 4; },
       kMaxBufferGrowthsPerRecord + 1},
  }};
  for (const LyingCase& c : cases) {
    InsufficientForever log(c.Needed);
    int delivered = 0;
    ReadSystemLog(log, [&delivered](std::span<const std::uint8_t>) { ++delivered; });
    EXPECT_EQ(delivered, 0) << c.Name;
    EXPECT_EQ(log.Reads, c.MaxReads) << c.Name;
    EXPECT_LE(log.LargestRequest, kMaxEventRecordSize) << c.Name;
  }
}

TEST(ReadSystemLog, RecordsUpToTheLargestSizeAreRead) {
  std::vector<std::vector<std::uint8_t>> records = Records({0});
  records.push_back(BuildEventRecord({6006, 1, {}, kMaxEventRecordSize - 120}, 1));
  ASSERT_LE(records.back().size(), kMaxEventRecordSize);
  FakeEventLog log(records);
  EXPECT_EQ(ReadAll(log), (std::vector<std::uint32_t>{100, 1}));
}

}  // namespace
}  // namespace orvanta::history
