#include <gtest/gtest.h>

#include <map>

#include "history/event_record.h"
#include "sources/log_file.h"
#include "support/record_reading.h"
#include "support/sample_files.h"

namespace orvanta::sources {
namespace {

using testsupport::ReadFileBytes;
using testsupport::ReadRecords;
using testsupport::RecordNumbers;
using testsupport::SamplePath;

struct SampleCase {
  const char* File;
  std::size_t Records;
  std::map<std::uint16_t, std::size_t> Codes;
};

// Real System logs copied from running machines: dirty headers, a wrapped ring and a record
// split across the end of the file. Every record must be served, newest first.
TEST(EvtSamples, EveryRecordIsServedNewestFirst) {
  const std::array<SampleCase, 2> cases = {{
      {"xp-SysEvent.Evt", 6063, {{6005, 24}, {6006, 18}, {7035, 1320}}},
      {"server2003-System.evt", 95, {{6005, 6}, {6006, 2}, {6008, 3}, {7035, 14}}},
  }};
  for (const SampleCase& c : cases) {
    const std::string path = SamplePath(c.File);
    if (path.empty()) {
      GTEST_SKIP() << c.File << " is not there";
    }
    OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(ReadFileBytes(path)));
    ASSERT_TRUE(opened.Value) << opened.Error;
    const auto records = ReadRecords(testsupport::RecordLog(*opened.Value));
    EXPECT_EQ(records.size(), c.Records) << c.File;

    std::map<std::uint16_t, std::size_t> codes;
    for (const auto& bytes : records) {
      auto record = history::EventRecordView::Parse(bytes);
      ASSERT_TRUE(record);
      ++codes[record->EventCode()];
    }
    for (const auto& [code, count] : c.Codes) {
      EXPECT_EQ(codes[code], count) << c.File << " event " << code;
    }
    // Newest first: the record numbers count down by one.
    const std::vector<std::uint32_t> numbers = RecordNumbers(records);
    for (std::size_t i = 1; i < numbers.size(); ++i) {
      ASSERT_EQ(numbers[i], numbers[i - 1] - 1) << c.File << " at " << i;
    }
  }
}

}  // namespace
}  // namespace orvanta::sources
