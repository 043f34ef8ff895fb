#include "sources/evtx_log.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

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

// The boots, logons and clean shutdowns of the file, by the codes the event log gives them.
std::vector<Served> Serve(const Bytes& file) {
  constexpr std::array<std::pair<history::EventKind, std::uint16_t>, 3> kCodes{{
      {history::EventKind::Boot, 6005},
      {history::EventKind::CleanShutdown, 6006},
      {history::EventKind::Logon, 7035},
  }};
  EvtxLog log = EvtxLog::Open(BlockReader(ByteBuffer::CopyOf(file)));
  std::vector<Served> served;
  for (const history::HistoryEvent& event : testsupport::ReadEvents(log)) {
    for (const auto& [kind, code] : kCodes) {
      if (event.Kind == kind) {
        served.push_back({static_cast<std::uint32_t>(event.RecordId), code,
                          static_cast<std::uint32_t>(event.Seconds), event.Sid});
      }
    }
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
  const Bytes file = WriteEvtxFile({w.Finish()}, 1);
  OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(file));
  ASSERT_TRUE(opened.Value) << opened.Error;
  EXPECT_EQ(opened.Note, "");
  const auto u = static_cast<std::uint32_t>(t);
  const std::vector<Served> expected = {
      {6, 6006, u + 5, {}}, {3, 7035, u + 2, kUser}, {2, 7035, u + 1, kUser}, {1, 6005, u, {}}};
  EXPECT_EQ(Serve(file), expected);
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
    const Bytes file = c.File();
    OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(file));
    EXPECT_EQ(opened.Error, c.Error) << c.Name;
    EXPECT_EQ(opened.Note, c.Warning) << c.Name;
    if (opened.Value) {
      EXPECT_EQ(Numbers(Serve(file)), c.Numbers) << c.Name;
    }
  }
}

// The event data of a power case, as the providers name their items.
testsupport::EvtxDataSpec Num(const char* name, std::int64_t value) {
  return {name, testsupport::EvtxDataType::UInt32, {}, value};
}
testsupport::EvtxDataSpec Time(const char* name, std::int64_t seconds) {
  return {name, testsupport::EvtxDataType::Filetime, {}, seconds};
}
testsupport::EvtxDataSpec Str(const char* name, const char* text) {
  return {name, testsupport::EvtxDataType::Text, text, 0};
}

// A 6008's binary data: the end of the run as local time (UTC+2 here), then as UTC.
Bytes CrashTimes() {
  const std::array<std::uint16_t, 16> words = {2020, 9, 0, 13, 14, 26, 40, 0,
                                               2020, 9, 0, 13, 12, 26, 40, 0};
  Bytes bytes;
  for (std::uint16_t w : words) {
    bytes.push_back(static_cast<std::uint8_t>(w));
    bytes.push_back(static_cast<std::uint8_t>(w >> 8));
  }
  return bytes;
}

// The fields of an event a power record gives, the others left as they start.
struct Expected {
  history::EventKind Kind;
  std::int64_t Seconds;
  std::uint64_t RecordId;
  Bytes Sid = {};
  history::BootType Boot = history::BootType::Unknown;
  history::SleepKind Sleep = history::SleepKind::Unknown;
  std::optional<std::int64_t> OtherSeconds = {};
  std::string WakeSource = {};
  history::ShutdownDetails Shutdown = {};

  history::HistoryEvent Event() const {
    history::HistoryEvent e;
    e.Kind = Kind;
    e.Seconds = Seconds;
    e.RecordId = RecordId;
    e.Sid = Sid;
    e.Boot = Boot;
    e.Sleep = Sleep;
    e.OtherSeconds = OtherSeconds;
    e.WakeSource = WakeSource;
    e.Shutdown = Shutdown;
    return e;
  }
};

struct PowerCase {
  const char* Name;
  std::vector<EvtxEventSpec> Records;  // numbered from 1, 10 seconds apart from kT
  std::vector<Expected> Events;        // newest first
};

TEST(EvtxLog, PowerRecordsBecomeTheirEvents) {
  using history::BootType;
  using history::EventKind;
  using history::SleepKind;
  constexpr std::int64_t kT = 1'600'000'000;  // 2020-09-13 12:26:40 UTC
  const std::string kPower = "Microsoft-Windows-Kernel-Power";
  const std::string kTroubleshooter = "Microsoft-Windows-Power-Troubleshooter";
  const std::string kBoot = "Microsoft-Windows-Kernel-Boot";
  const std::vector<PowerCase> cases = {
      {"sleep and wake, the wake's report carrying both ends",
       {{kPower, 42, 0, {}, {}, {Num("TargetState", 2), Num("EffectiveState", 2)}},
        {kPower, 107, 0, {}, {}, {Num("TargetState", 2), Num("EffectiveState", 2)}},
        {kTroubleshooter,
         1,
         0,
         {},
         {},
         {Time("SleepTime", kT - 5), Time("WakeTime", kT + 3600), Num("EffectiveState", 2),
          Num("WakeSourceType", 1), Str("WakeSourceText", "")}},
        {kTroubleshooter,
         1,
         0,
         {},
         {},
         {Time("SleepTime", kT), Time("WakeTime", kT + 60), Num("WakeSourceType", 5),
          Str("WakeSourceText", "USB Root Hub")}}},
       {{.Kind = EventKind::SleepEnd,
         .Seconds = kT + 60,
         .RecordId = 4,
         .OtherSeconds = kT,
         .WakeSource = "USB Root Hub"},
        {.Kind = EventKind::SleepEnd,
         .Seconds = kT + 3600,
         .RecordId = 3,
         .Sleep = SleepKind::Sleep,
         .OtherSeconds = kT - 5,
         .WakeSource = "power button"},
        {.Kind = EventKind::SleepEnd, .Seconds = kT + 10, .RecordId = 2, .Sleep = SleepKind::Sleep},
        {.Kind = EventKind::SleepStart, .Seconds = kT, .RecordId = 1, .Sleep = SleepKind::Sleep}}},
      {"hybrid boot and resume without the event log's boot and shutdown",
       {{kBoot, 27, 0, {}, {}, {Num("BootType", 1)}},
        {"Microsoft-Windows-Kernel-General", 12, 0, {}, {}},
        {kBoot, 27, 0, {}, {}, {Num("BootType", 2)}},
        {kBoot, 27, 0, {}, {}, {Num("BootType", 9)}}},
       {{.Kind = EventKind::BootTypeReport, .Seconds = kT + 30, .RecordId = 4},
        {.Kind = EventKind::BootTypeReport,
         .Seconds = kT + 20,
         .RecordId = 3,
         .Boot = BootType::ResumeFromHibernation},
        {.Kind = EventKind::BootTypeReport, .Seconds = kT + 10, .RecordId = 2},
        {.Kind = EventKind::BootTypeReport,
         .Seconds = kT,
         .RecordId = 1,
         .Boot = BootType::Hybrid}}},
      {"hibernation: only the shutdown transition to hibernate and the resume say so",
       {{kPower, 109, 0, {}, {}, {Num("ShutdownActionType", 3)}},
        {kPower, 42, 0, {}, {}, {Num("EffectiveState", 5)}},
        {kPower, 107, 0, {}, {}, {Num("EffectiveState", 5)}},
        {kPower, 109, 0, {}, {}, {Num("ShutdownActionType", 6)}}},
       {{.Kind = EventKind::LastSignOfLife, .Seconds = kT + 30, .RecordId = 4},
        {.Kind = EventKind::SleepEnd,
         .Seconds = kT + 20,
         .RecordId = 3,
         .Sleep = SleepKind::Hibernate},
        {.Kind = EventKind::SleepStart, .Seconds = kT + 10, .RecordId = 2},
        {.Kind = EventKind::SleepStart,
         .Seconds = kT,
         .RecordId = 1,
         .Sleep = SleepKind::Hibernate}}},
      {"modern standby, its end giving the time asleep",
       {{kPower, 506, 0, {}, {}},
        {kPower,
         507,
         0,
         {},
         {},
         {{"DurationInUs", testsupport::EvtxDataType::UInt64, {}, 9'000'000},
          {"SleepDurationInUs", testsupport::EvtxDataType::UInt64, {}, 7'999'999}}},
        {kPower, 507, 0, {}, {}}},
       {{.Kind = EventKind::SleepEnd,
         .Seconds = kT + 20,
         .RecordId = 3,
         .Sleep = SleepKind::ModernStandby},
        {.Kind = EventKind::SleepEnd,
         .Seconds = kT + 10,
         .RecordId = 2,
         .Sleep = SleepKind::ModernStandby,
         .OtherSeconds = kT + 3},
        {.Kind = EventKind::SleepStart,
         .Seconds = kT,
         .RecordId = 1,
         .Sleep = SleepKind::ModernStandby}}},
      {"a crash reported at the next boot, and one that was not",
       {{"Service Control Manager", 7036, 0, {}, {}},
        {"EventLog",
         0x80001778,
         0,
         {},
         {},
         {Str("", "2:26:40 PM"), Str("", "9/13/2020"), Str("", ""), Str("", "")},
         CrashTimes()},
        {"EventLog", 0x80001775, 0, {}, {}},
        {"Microsoft-Windows-Kernel-General", 12, 0, {}, {}},
        {"EventLog", 0x80001775, 0, {}, {}}},
       {{.Kind = EventKind::Boot, .Seconds = kT + 40, .RecordId = 5},
        {.Kind = EventKind::BootTypeReport, .Seconds = kT + 30, .RecordId = 4},
        {.Kind = EventKind::Boot, .Seconds = kT + 20, .RecordId = 3},
        {.Kind = EventKind::UnexpectedShutdownReport,
         .Seconds = kT + 10,
         .RecordId = 2,
         .OtherSeconds = kT},
        {.Kind = EventKind::LastSignOfLife, .Seconds = kT, .RecordId = 1}}},
      {"shutdown requests, named and as the older logs' unnamed items",
       {{"User32",
         1074,
         0,
         kUser,
         {},
         {Str("param1", "Explorer.EXE"), Str("param2", "PC"), Str("param3", "Other (Planned)"),
          Str("param4", "0x85000000"), Str("param5", "power off"), Str("param6", ""),
          Str("param7", "PC\\ann")}},
        {"USER32",
         0x80000432,
         0,
         kSystem,
         {},
         {Str("", "C:\\Windows\\system32\\winlogon.exe (PC)"), Str("", "PC"),
          Str("", "Operating System: Upgrade (Planned)"), Str("", "0x80020003"), Str("", "restart"),
          Str("", ""), Str("", "NT AUTHORITY\\SYSTEM")},
         Bytes(40, 3)}},
       {{.Kind = EventKind::ShutdownRequest,
         .Seconds = kT + 10,
         .RecordId = 2,
         .Sid = kSystem,
         .Shutdown = {"C:\\Windows\\system32\\winlogon.exe (PC)", "NT AUTHORITY\\SYSTEM",
                      "Operating System: Upgrade (Planned)", "0x80020003", "restart"}},
        {.Kind = EventKind::ShutdownRequest,
         .Seconds = kT,
         .RecordId = 1,
         .Sid = kUser,
         .Shutdown = {"Explorer.EXE", "PC\\ann", "Other (Planned)", "0x85000000", "power off"}}}},
      {"the clock moved back an hour",
       {{"Microsoft-Windows-Kernel-General",
         1,
         0,
         {},
         {},
         {Time("NewTime", kT), Time("OldTime", kT + 3600), Num("Reason", 1)}}},
       {{.Kind = EventKind::ClockChange, .Seconds = kT, .RecordId = 1, .OtherSeconds = kT + 3600}}},
  };
  for (const PowerCase& c : cases) {
    EvtxChunkWriter w;
    for (std::size_t i = 0; i < c.Records.size(); ++i) {
      EvtxEventSpec record = c.Records[i];
      record.Seconds = kT + 10 * static_cast<std::int64_t>(i);
      record.Computer = "PC-" + std::to_string(i);
      w.Add(record, i + 1);
    }
    EvtxLog log = EvtxLog::Open(BlockReader(ByteBuffer::CopyOf(WriteEvtxFile({w.Finish()}, 1))));
    const std::vector<history::HistoryEvent> events = testsupport::ReadEvents(log);
    ASSERT_EQ(events.size(), c.Events.size()) << c.Name;
    for (std::size_t i = 0; i < events.size(); ++i) {
      EXPECT_TRUE(events[i] == c.Events[i].Event()) << c.Name << ", event " << i;
    }
    EXPECT_EQ(log.Computer(), "PC-" + std::to_string(c.Records.size() - 1)) << c.Name;
  }
}

}  // namespace
}  // namespace orvanta::sources
