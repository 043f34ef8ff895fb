#include "sources/evt_file_log.h"

#include <gtest/gtest.h>

#include <random>

#include "sources/log_file.h"
#include "support/byte_writer.h"
#include "support/evt_writer.h"
#include "support/record_reading.h"

namespace orvanta::sources {
namespace {

using testsupport::BuildEventRecord;
using testsupport::EventSpec;
using testsupport::EvtLayout;
using testsupport::WriteEvtFile;
using Records = std::vector<std::vector<std::uint8_t>>;
using testsupport::ReadRecords;

std::vector<EventSpec> Events(std::size_t count) {
  std::vector<EventSpec> events;
  for (std::size_t i = 0; i < count; ++i) {
    events.push_back({static_cast<std::uint32_t>(i % 3 == 0 ? 0x80001775 : 0x40001B7B),
                      static_cast<std::uint32_t>(1'600'000'000 + i * 60),
                      {},
                      (i * 37) % 90});
  }
  return events;
}

// The records a log of these events must serve, newest first.
Records Expected(const std::vector<EventSpec>& events, std::uint32_t firstNumber = 1) {
  Records records;
  for (std::size_t i = events.size(); i-- > 0;) {
    records.push_back(BuildEventRecord(events[i], firstNumber + static_cast<std::uint32_t>(i)));
  }
  return records;
}

Records Serve(std::vector<std::uint8_t> file) {
  EvtFileLog log(ByteBuffer::CopyOf(file));
  return ReadRecords(log);
}

TEST(EvtFileLog, ServesEveryRecordNewestFirstWhereverTheRingStarts) {
  const std::vector<EventSpec> events = Events(9);
  const Records expected = Expected(events);
  std::size_t total = 0;
  for (const auto& record : expected) {
    total += record.size();
  }
  const std::size_t fileSize = 48 + total + 40 + 120;
  int padded = 0;
  int split = 0;
  for (std::size_t first = 48; first < fileSize; first += 4) {
    for (int variant = 0; variant < 4; ++variant) {
      EvtLayout layout;
      layout.FileSize = fileSize;
      layout.FirstRecordOffset = first;
      layout.DirtyHeader = (variant & 1) != 0;
      layout.StaleFill = (variant & 2) != 0;
      const std::vector<std::uint8_t> file = WriteEvtFile(events, layout);
      ASSERT_EQ(Serve(file), expected) << "first record at " << first << ", variant " << variant;
      padded += file[fileSize - 4] == 0x27 && file[fileSize - 3] == 0 ? 1 : 0;
      split += first + 200 > fileSize ? 1 : 0;
    }
  }
  EXPECT_GT(padded, 0);  // the sweep met the padded end
  EXPECT_GT(split, 0);
}

TEST(EvtFileLog, AnEmptyLogServesNothing) {
  EXPECT_TRUE(Serve(WriteEvtFile({}, {})).empty());
  EvtLayout dirty;
  dirty.DirtyHeader = true;
  dirty.FileSize = 400;
  dirty.FirstRecordOffset = 200;
  EXPECT_TRUE(Serve(WriteEvtFile({}, dirty)).empty());
}

// Clearing a log leaves its header and end-of-file record: saved in the log's full size with
// zeros after them, or compactly.
TEST(EvtFileLog, AClearedLogIsAnEmptyHistoryInEverySize) {
  for (const std::size_t size : {std::size_t{88}, std::size_t{65536}}) {
    const std::vector<std::uint8_t> file = testsupport::WriteClearedEvtFile(size == 88 ? 0 : size);
    ASSERT_EQ(file.size(), size);
    OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(file));
    ASSERT_TRUE(opened.Value) << size << ": " << opened.Error;
    EXPECT_TRUE(testsupport::RecordLog(*opened.Value).Open()) << size;
    EXPECT_TRUE(ReadRecords(testsupport::RecordLog(*opened.Value)).empty()) << size;
  }
}

TEST(EvtFileLog, FollowsTheReadProtocol) {
  const std::vector<EventSpec> events = Events(2);
  const Records expected = Expected(events);
  EvtFileLog log(ByteBuffer::CopyOf(WriteEvtFile(events)));
  std::vector<std::uint8_t> buffer(4096);
  std::uint32_t read = 0;
  std::uint32_t needed = 0;
  constexpr std::uint32_t kBackwards = 9;

  EXPECT_FALSE(log.Read(kBackwards, 0, buffer, read, needed));  // not open
  EXPECT_EQ(log.LastError(), 6u);
  ASSERT_TRUE(log.Open());
  EXPECT_FALSE(log.Read(history::kEventLogSequentialRead, 0, buffer, read, needed));
  EXPECT_EQ(log.LastError(), 87u);
  EXPECT_FALSE(log.Read(kBackwards, 0, std::span(buffer).first(56), read, needed));
  EXPECT_EQ(log.LastError(), 122u);
  EXPECT_EQ(needed, expected[0].size());
  ASSERT_TRUE(log.Read(kBackwards, 0, std::span(buffer).first(needed), read, needed));
  EXPECT_EQ(read, expected[0].size());  // the same record, not moved by the refusal
  EXPECT_TRUE(std::equal(expected[0].begin(), expected[0].end(), buffer.begin()));
  ASSERT_TRUE(log.Read(kBackwards, 0, buffer, read, needed));
  EXPECT_FALSE(log.Read(kBackwards, 0, buffer, read, needed));
  EXPECT_EQ(log.LastError(), 38u);
  EXPECT_FALSE(log.Read(kBackwards, 0, buffer, read, needed));
  EXPECT_EQ(log.LastError(), 38u);
  log.Close();
  EXPECT_EQ(ReadRecords(log), expected);  // each open starts again at the newest
  EXPECT_EQ(ReadRecords(log), expected);
}

// Damage to a record: everything newer is still served, nothing older.
struct DamageCase {
  const char* Name;
  std::size_t FieldOffset;  // within the damaged record; a large value counts from its end
  std::uint32_t Value;
};

TEST(EvtFileLog, DamageEndsTheLogAfterTheNewerRecords) {
  const std::vector<EventSpec> events = Events(8);
  const Records expected = Expected(events);
  constexpr std::size_t kFromEnd = 1000;
  const std::array<DamageCase, 6> cases = {{
      {"Length below the fixed part", 0, 40},
      {"Length beyond the file", 0, 0x7FFFFFF0},
      {"wrong record signature", 4, 0x12345678},
      {"closing length disagrees", kFromEnd + 4, 0x60},
      {"closing length beyond the file", kFromEnd + 4, 0xFFFFFFF0},
      {"closing length below the fixed part", kFromEnd + 4, 8},
  }};
  for (std::size_t damaged : {std::size_t{0}, std::size_t{3}, std::size_t{7}}) {
    for (const DamageCase& c : cases) {
      std::vector<std::uint8_t> file = WriteEvtFile(events);
      // Records lie oldest first from offset 48; the damaged one is damaged-th from newest.
      std::size_t at = 48;
      const std::size_t index = events.size() - 1 - damaged;
      for (std::size_t i = 0; i < index; ++i) {
        at += expected[events.size() - 1 - i].size();
      }
      const std::size_t length = expected[damaged].size();
      const std::size_t offset =
          c.FieldOffset >= kFromEnd ? at + length - (c.FieldOffset - kFromEnd) : at + c.FieldOffset;
      testsupport::ByteWriter w;
      w.Append(file);
      w.PatchU32(offset, c.Value);
      const Records served = Serve(w.Bytes());
      EXPECT_EQ(served, Records(expected.begin(), expected.begin() + static_cast<long>(damaged)))
          << c.Name << ", record " << damaged;
    }
  }
}

TEST(EvtFileLog, WithoutAnEndOfFileRecordWalksForwardFromTheStartOffset) {
  const std::vector<EventSpec> events = Events(5);
  const Records expected = Expected(events);
  EvtLayout layout;
  layout.DirtyHeader = true;
  layout.FileSize = 1200;
  layout.FirstRecordOffset = 800;  // wrapped
  std::vector<std::uint8_t> file = WriteEvtFile(events, layout);
  // Wipe the end-of-file record's signature wherever it lies.
  for (std::size_t p = 48; p + 4 <= file.size(); p += 4) {
    if (file[p] == 0x11 && file[p + 1] == 0x11 && file[p + 2] == 0x11 && file[p + 3] == 0x11) {
      file[p] = 0;
    }
  }
  EXPECT_EQ(Serve(file), expected);

  testsupport::ByteWriter w;
  w.Append(file);
  w.PatchU32(testsupport::EvtHeaderOffsets::StartOffset, 0xFFFFFF00);
  EXPECT_TRUE(Serve(w.Bytes()).empty());
}

TEST(EvtFileLog, AnOldestRecordOffsetOutsideTheFileStillServesTheChain) {
  const std::vector<EventSpec> events = Events(4);
  std::vector<std::uint8_t> file = WriteEvtFile(events);
  testsupport::ByteWriter w;
  w.Append(file);
  w.PatchU32(file.size() - 40 + 20, 0xFFFFFFF0);  // the end-of-file record's BeginRecord
  EXPECT_EQ(Serve(w.Bytes()), Expected(events));
}

struct MisreadCase {
  const char* Name;
  std::vector<std::uint8_t> File;
  std::vector<std::uint32_t> Numbers;  // served, newest first
};

// Records of 48 + sizes: where the end-of-file record of a log written from offset 48 lies.
std::size_t EndOfFileOffset(const std::vector<EventSpec>& events) {
  std::size_t at = testsupport::kEvtHeaderSize;
  for (const auto& record : Expected(events)) {
    at += record.size();
  }
  return at;
}

TEST(EvtFileLog, ServesTheLiveEndAndOnlyTheEventLogsOwnBootsAndShutdowns) {
  const std::vector<EventSpec> events = Events(5);
  const std::size_t eof = EndOfFileOffset(events);
  auto patched = [](std::vector<std::uint8_t> file, std::size_t offset,
                    const std::vector<std::uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(offset));
    return file;
  };
  EvtLayout dirty;
  dirty.DirtyHeader = true;
  dirty.FileSize = eof + 40 + 200;
  const auto self = static_cast<std::uint32_t>(eof);
  const std::vector<std::uint8_t> selfBytes = {static_cast<std::uint8_t>(self),
                                               static_cast<std::uint8_t>(self >> 8), 0, 0};
  const std::vector<MisreadCase> cases = {
      {"a stale end-of-file record of higher numbers after the live one",
       patched(WriteEvtFile(events, dirty), eof + 40,
               testsupport::BuildEndOfFileRecord(48, self + 40, 900, 800)),
       {5, 4, 3, 2, 1}},
      {"an end-of-file record naming itself as the oldest record",
       patched(WriteEvtFile(events), eof + 20, selfBytes),
       {5, 4, 3, 2, 1}},
      {"boots and shutdowns another program logged",
       WriteEvtFile({{0x80001775, 1'600'000'000, {}, 0, "Setup"},
                     {0x40001B7B, 1'600'000'060, {}, 0},
                     {6006, 1'600'000'120, {}, 300, "eventlog"},
                     {6006, 1'600'000'180, {}, 0, "EventLogger"},
                     {0x80001775, 1'600'000'240, {}, 0}}),
       {5, 3, 2}},
  };
  for (const MisreadCase& c : cases) {
    OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(c.File));
    ASSERT_TRUE(opened.Value) << c.Name << ": " << opened.Error;
    EXPECT_EQ(testsupport::RecordNumbers(ReadRecords(testsupport::RecordLog(*opened.Value))),
              c.Numbers)
        << c.Name;
  }
}

struct HeaderCase {
  const char* Name;
  std::vector<std::uint8_t> Bytes;
  const char* Error;
};

TEST(EvtFileLog, BadHeadersAreNamed) {
  const std::vector<std::uint8_t> good = WriteEvtFile(Events(3));
  auto patched = [&good](std::size_t offset, std::uint32_t value) {
    testsupport::ByteWriter w;
    w.Append(good);
    w.PatchU32(offset, value);
    return w.Bytes();
  };
  const std::vector<HeaderCase> cases = {
      {"truncated header", std::vector<std::uint8_t>(good.begin(), good.begin() + 40),
       "truncated event log header"},
      {"header size", patched(0, 0x31), "damaged event log header"},
      {"no room for records", std::vector<std::uint8_t>(good.begin(), good.begin() + 100),
       "truncated event log"},
      {"wrong signature", patched(4, 0x654C664D), "not an event log or wtmp file"},
      {"empty", {}, "empty file"},
  };
  for (const HeaderCase& c : cases) {
    OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(c.Bytes));
    EXPECT_FALSE(opened.Value) << c.Name;
    EXPECT_EQ(opened.Error, c.Error) << c.Name;
  }
}

TEST(LogFile, AnEmptyFileIsAnEmptyHistoryOnlyWhereLoginRecordsAreExpected) {
  OpenedLog expected = LogFromBytes(ByteBuffer::CopyOf({}), ExpectedLog::Wtmp);
  ASSERT_TRUE(expected.Value);
  EXPECT_TRUE(expected.Error.empty());
  EXPECT_TRUE(testsupport::ReadEvents(*expected.Value).empty());
}

// Random damage anywhere: no crash, and whatever is served is a run of whole records.
TEST(EvtFileLog, SurvivesRandomDamage) {
  const std::vector<EventSpec> events = Events(12);
  EvtLayout layout;
  layout.FileSize = 2400;
  layout.FirstRecordOffset = 1700;
  const std::vector<std::uint8_t> file = WriteEvtFile(events, layout);
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> position(0, file.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> damaged = file;
    for (int i = 0, n = 1 + round % 8; i < n; ++i) {
      damaged[position(random)] = static_cast<std::uint8_t>(byte(random));
    }
    if (!EvtFileLog::Check(damaged)) {
      const Records served = Serve(damaged);
      EXPECT_LE(served.size(), file.size() / 56);
    }
  }
}

}  // namespace
}  // namespace orvanta::sources
