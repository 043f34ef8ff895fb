#include <gtest/gtest.h>

#include <functional>

#include "history/event_record.h"
#include "sources/log_file.h"
#include "support/evtx_writer.h"
#include "support/record_reading.h"

namespace orvanta::sources {
namespace {

using testsupport::EvtxChunkWriter;
using testsupport::EvtxEventSpec;
using testsupport::kEvtxChunkSize;
using testsupport::kEvtxFileHeaderSize;
using testsupport::WriteEvtxFile;
using Bytes = std::vector<std::uint8_t>;

const Bytes kUser = {1, 5, 0, 0, 0, 0, 0, 5, 21, 0, 0,    0, 1, 0,
                     0, 0, 2, 0, 0, 0, 3, 0, 0,  0, 0xE9, 3, 0, 0};
const Bytes kSystem = {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0};

// A chunk of a boot, a logon and a clean shutdown with identifiers from first, one second apart
// from seconds on; the templates are stored by the first record and reused by the others. Only
// the first count of them are written, as a chunk still being filled holds them.
Bytes Chunk(std::uint64_t first, std::vector<std::size_t>* offsets = nullptr, std::size_t count = 3,
            std::int64_t shift = 0) {
  EvtxChunkWriter w;
  const auto t = static_cast<std::int64_t>(1'600'000'000 + first * 100) + shift;
  const std::vector<EvtxEventSpec> events = {
      {"EventLog", 0x80001775, t, {}, {}},
      {"Microsoft-Windows-Winlogon", 7001, t + 1, kSystem, kUser},
      {"EventLog", 0x80001776, t + 2, {}, {}},
  };
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = w.Add(events[i], first + i);
    if (offsets) {
      offsets->push_back(at);
    }
  }
  return w.Finish();
}

struct Served {
  std::uint32_t Number;
  std::uint16_t Code;
  std::uint32_t Time;
  Bytes Sid;
  friend bool operator==(const Served&, const Served&) = default;
};

std::vector<Served> Serve(history::EventLogApi& log) {
  std::vector<Served> served;
  for (const Bytes& bytes : testsupport::ReadRecords(log)) {
    const auto record = history::EventRecordView::Parse(bytes);
    EXPECT_TRUE(record);
    const auto sid = record->UserSid();
    served.push_back({record->RecordNumber(), record->EventCode(), record->TimeGenerated(),
                      Bytes(sid.begin(), sid.end())});
  }
  return served;
}

std::vector<std::uint32_t> Numbers(const std::vector<Served>& served) {
  std::vector<std::uint32_t> numbers;
  for (const Served& s : served) {
    numbers.push_back(s.Number);
  }
  return numbers;
}

TEST(EvtxLog, TranslatesBootsLogonsAndShutdownsNewestFirst) {
  EvtxChunkWriter w;
  const std::int64_t t = 1'600'000'000;
  w.Add({"EventLog", 0x80001775, t, {}, {}}, 1);
  w.Add({"Service Control Manager", 0x40001B7B, t + 1, kUser, {}}, 2);
  w.Add({"Microsoft-Windows-Winlogon", 7001, t + 2, kSystem, kUser}, 3);
  w.Add({"Microsoft-Windows-Kernel-General", 6005, t + 3, {}, {}}, 4);  // not the event log's
  w.Add({"EventLog", 6008, t + 4, {}, {}}, 5);                          // not a run's end
  w.Add({"eventlog", 6006, t + 5, {}, {}}, 6);
  OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(WriteEvtxFile({w.Finish()}, 1)));
  ASSERT_TRUE(opened.Value) << opened.Error;
  EXPECT_EQ(opened.Note, "");
  const auto u = static_cast<std::uint32_t>(t);
  const std::vector<Served> expected = {
      {6, 6006, u + 5, {}}, {3, 7035, u + 2, kUser}, {2, 7035, u + 1, kUser}, {1, 6005, u, {}}};
  EXPECT_EQ(Serve(testsupport::RecordLog(*opened.Value)), expected);
}

struct DamageCase {
  const char* Name;
  std::function<Bytes()> File;
  std::vector<std::uint32_t> Numbers;  // record numbers served, newest first
  std::string Error;
  std::string Warning;
};

// Breaks chunk bytes at a chunk offset and sums the chunk again, so only the break is wrong.
Bytes Broken(std::uint64_t first, std::size_t record, std::size_t at, std::uint32_t value) {
  std::vector<std::size_t> offsets;
  Bytes chunk = Chunk(first, &offsets);
  for (std::size_t i = 0; i < 4; ++i) {
    chunk[offsets[record] + at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
  testsupport::SumEvtxChunk(chunk);
  return chunk;
}

TEST(EvtxLog, DamagedFilesServeWhatStillReads) {
  const std::size_t kDefinitionOffset = 24 + 4 + 6;  // record header, fragment, instance
  const std::vector<DamageCase> cases = {
      {"dirty header claiming one chunk, wrapped slots",
       [] {
         return WriteEvtxFile({Chunk(7), Bytes(kEvtxChunkSize, 0), Chunk(1)}, 1);
       },
       {9, 8, 7, 3, 2, 1},
       "",
       ""},
      {"records checksum fails",
       [] {
         Bytes bad = Chunk(4);
         bad[0x300] ^= 1;
         return WriteEvtxFile({Chunk(1), bad, Chunk(7)}, 3);
       },
       {9, 8, 7, 3, 2, 1},
       "",
       "1 damaged chunk skipped"},
      {"header checksum fails and a slot of junk",
       [] {
         Bytes bad = Chunk(4);
         bad[0x40] ^= 1;
         return WriteEvtxFile({Chunk(1), bad, Bytes(kEvtxChunkSize, 7)}, 3);
       },
       {3, 2, 1},
       "",
       "2 damaged chunks skipped"},
      {"file cut inside its last chunk",
       [] {
         Bytes file = WriteEvtxFile({Chunk(1), Chunk(4)}, 2);
         file.resize(kEvtxFileHeaderSize + kEvtxChunkSize + 0x300);
         return file;
       },
       {3, 2, 1},
       "",
       "1 damaged chunk skipped"},
      {"record whose closing size is wrong ends its chunk",
       [] {
         return WriteEvtxFile({Broken(1, 2, 4, 0x10000), Chunk(4)}, 2);
       },
       {6, 5, 4, 2, 1},
       "",
       ""},
      {"template offset pointing ahead skips that record",
       [] { return WriteEvtxFile({Broken(1, 1, kDefinitionOffset, 0xFF00)}, 1); },
       {3, 1},
       "",
       ""},
      {"name offset beyond the chunk skips the record storing it",
       [] {
         return WriteEvtxFile({Broken(1, 0, kDefinitionOffset + 4 + 24 + 4 + 7, 0xFFFFFF)}, 1);
       },
       {},
       "",
       ""},
      {"a chunk found twice is served once, whole or part-filled",
       [] {
         return WriteEvtxFile({Chunk(1), Chunk(1, nullptr, 2), Chunk(4), Chunk(1)}, 2);
       },
       {6, 5, 4, 3, 2, 1},
       "",
       ""},
      {"chunks of the same numbers but other events serve them all",
       [] {
         return WriteEvtxFile({Chunk(1), Chunk(1, nullptr, 3, 50)}, 2);
       },
       {3, 3, 2, 2, 1, 1},
       "",
       ""},
      {"records sharing a number in one chunk are all served",
       [] {
         EvtxChunkWriter w;
         w.Add({"EventLog", 0x80001775, 1'600'000'000, {}, {}}, 5);
         w.Add({"EventLog", 0x80001776, 1'600'000'100, {}, {}}, 5);
         return WriteEvtxFile({w.Finish()}, 1);
       },
       {5, 5},
       "",
       ""},
      {"no readable chunk",
       [] { return WriteEvtxFile({Bytes(kEvtxChunkSize, 0)}, 1); },
       {},
       "damaged event log",
       ""},
      {"header only", [] { return WriteEvtxFile({}, 0); }, {}, "damaged event log", ""},
  };
  for (const DamageCase& c : cases) {
    OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(c.File()));
    EXPECT_EQ(opened.Error, c.Error) << c.Name;
    EXPECT_EQ(opened.Note, c.Warning) << c.Name;
    if (opened.Value) {
      EXPECT_EQ(Numbers(Serve(testsupport::RecordLog(*opened.Value))), c.Numbers) << c.Name;
    }
  }
}

}  // namespace
}  // namespace orvanta::sources
