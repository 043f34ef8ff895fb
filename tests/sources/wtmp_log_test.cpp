#include "sources/wtmp_log.h"

#include <gtest/gtest.h>

#include <map>

#include "sources/log_file.h"
#include "sources/log_format.h"
#include "support/byte_writer.h"
#include "support/event_mix.h"
#include "support/record_reading.h"
#include "support/sample_files.h"
#include "support/wtmp_writer.h"

namespace orvanta::sources {
namespace {

using namespace testsupport;

using Kind = history::EventKind;

struct Translated {
  Kind EventKind;
  std::int64_t Time;
  std::string User;  // as the file records it, empty but for logins
  friend bool operator==(const Translated&, const Translated&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Translated& t) {
    return out << static_cast<int>(t.EventKind) << "@" << t.Time << " " << t.User;
  }
};

std::vector<Translated> Events(WtmpLog& log) {
  std::vector<Translated> out;
  for (const history::HistoryEvent& event : ReadEvents(log)) {
    out.push_back({event.Kind, event.Seconds, event.User});
  }
  return out;
}

std::vector<Translated> Translate(const std::vector<std::uint8_t>& file) {
  WtmpLog log(ByteBuffer::CopyOf(file));
  EXPECT_FALSE(log.SleepKnown());
  return Events(log);
}

TEST(WtmpLog, TranslatesBootsShutdownsAndLoginsNewestFirst) {
  const std::vector<WtmpEntry> entries = {
      ShutdownEntry(100),
      BootEntry(200),
      {UtType::RunLevel, "runlevel", 201, "~~", 0, ""},
      {UtType::LoginProcess, "LOGIN", 202, "tty1", 5, ""},
      LoginEntry(300, "alice"),
      LoginEntry(301, "mallory"),
      {UtType::DeadProcess, "", 302, "pts/0", 5, ""},
      LoginEntry(400, std::string(32, 'r')),  // a name filling its field without a null
      LoginEntry(500, "root"),
      ShutdownEntry(600),
  };
  const std::vector<Translated> expected = {
      {Kind::CleanShutdown, 600, ""},
      {Kind::Logon, 500, "root"},
      {Kind::Logon, 400, std::string(32, 'r')},
      {Kind::Logon, 301, "mallory"},
      {Kind::Logon, 300, "alice"},
      {Kind::Boot, 200, ""},
      {Kind::CleanShutdown, 100, ""},
  };
  EXPECT_EQ(Translate(WriteWtmpFile(entries)), expected);
}

// A saved file from another machine names its users itself: the names come from the file.
TEST(WtmpLog, LoggedUsersAreNamedFromTheFile) {
  const std::vector<Translated> expected = {
      {Kind::Logon, 3, "alice"}, {Kind::Logon, 2, "bob"}, {Kind::Logon, 1, "alice"}};
  EXPECT_EQ(Translate(WriteWtmpFile(
                {LoginEntry(1, "alice"), LoginEntry(2, "bob"), LoginEntry(3, "alice")})),
            expected);
}

TEST(WtmpLog, IgnoresAPartialRecordAtTheEnd) {
  std::vector<std::uint8_t> file = WriteWtmpFile({BootEntry(10), ShutdownEntry(20)});
  const std::vector<std::uint8_t> partial = BuildWtmpRecord(BootEntry(30));
  file.insert(file.end(), partial.begin(), partial.begin() + 200);
  EXPECT_EQ(Translate(file),
            (std::vector<Translated>{{Kind::CleanShutdown, 20, ""}, {Kind::Boot, 10, ""}}));
}

TEST(WtmpLog, RecognisesWtmpByRecordSizeAndContent) {
  const std::vector<std::uint8_t> good = WriteWtmpFile({BootEntry(10)});
  EXPECT_TRUE(WtmpLog::Recognize(good));
  EXPECT_FALSE(WtmpLog::Recognize(std::span(good).first(383)));
  std::vector<std::uint8_t> badType = good;
  badType[0] = 42;
  EXPECT_FALSE(WtmpLog::Recognize(badType));
  std::vector<std::uint8_t> controlInName = good;
  controlInName[44] = 0x01;
  EXPECT_FALSE(WtmpLog::Recognize(controlInName));
  std::vector<std::uint8_t> text(400, 'a');
  EXPECT_FALSE(WtmpLog::Recognize(text));

  EXPECT_TRUE(LogFromBytes(ByteBuffer::CopyOf(good)).Value);
  EXPECT_EQ(LogFromBytes(ByteBuffer::CopyOf(text)).Error, "not an event log or wtmp file");
}

TEST(LogFormat, FirstBytesTellTheFormat) {
  const std::vector<std::pair<std::vector<std::uint8_t>, LogFormat>> cases = {
      {{0x30, 0, 0, 0, 'L', 'f', 'L', 'e'}, LogFormat::Evt},
      {{'E', 'l', 'f', 'F', 'i', 'l', 'e', 0}, LogFormat::Evtx},
      {{'L', 'P', 'K', 'S', 'H', 'H', 'R', 'H', 0}, LogFormat::Journal},
      {{'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', 0},
       LogFormat::Sqlite},
      {{'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3'},
       LogFormat::Other},
      {{'L', 'P', 'K', 'S'}, LogFormat::Other},
      {{}, LogFormat::Other},
      {WriteWtmpFile({BootEntry(10)}), LogFormat::Other},
  };
  for (const auto& [head, format] : cases) {
    EXPECT_EQ(RecognizeLogFormat(head), format) << head.size();
  }
}

// The machines' layouts are told by content alone, and every one translates alike.
TEST(WtmpLog, ReadsEveryLayoutAlike) {
  const std::vector<std::pair<WtmpFormat, std::string_view>> layouts = {
      {WtmpFormat::Little384, "384-byte little-endian"},
      {WtmpFormat::Big384, "384-byte big-endian"},
      {WtmpFormat::Little400, "400-byte little-endian"},
      {WtmpFormat::Big400, "400-byte big-endian"},
  };
  const std::vector<WtmpEntry> entries = MakeWtmpMix(80, 5);
  const std::vector<Translated> expected = Translate(WriteWtmpFile(entries));
  ASSERT_GT(expected.size(), 40u);
  for (const auto& [format, name] : layouts) {
    std::vector<std::uint8_t> file = WriteWtmpFile(entries, format);
    const std::vector<std::uint8_t> partial = BuildWtmpRecord(BootEntry(1), format);
    file.insert(file.end(), partial.begin(), partial.begin() + 100);
    const std::optional<WtmpLayout> layout = WtmpLog::Recognize(file);
    EXPECT_EQ(layout ? layout->Name : "none", name);
    EXPECT_EQ(Translate(file), expected) << name;
    EXPECT_TRUE(LogFromBytes(ByteBuffer::CopyOf(file)).Value) << name;
  }
}

// Text after a null no longer tells layouts apart, and a short file may hold a damaged record:
// short files of every layout are still read in their own, without a close call to tell.
TEST(WtmpLog, ShortFilesAreReadInTheirOwnLayout) {
  for (const std::size_t count : {3, 4, 6, 9, 15}) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
      for (std::size_t i = 0; i < kWtmpLayouts.size(); ++i) {
        const std::vector<std::uint8_t> file =
            WriteWtmpFile(MakeWtmpMix(count, seed), kWtmpFormats[i]);
        WtmpLog own(ByteBuffer::CopyOf(file), kWtmpLayouts[i]);
        if (ReadEvents(own).empty()) {
          continue;  // nothing to show: any layout that fits will do
        }
        const std::optional<WtmpLayoutChoice> choice = ChooseWtmpLayout(file);
        EXPECT_EQ(choice ? choice->Layout.Name : "none", kWtmpLayouts[i].Name)
            << count << " entries, seed " << seed;
        EXPECT_FALSE(choice && choice->Rival) << count << " entries, seed " << seed;
      }
    }
  }
}

// The quick type and user check passes every history entry, and rejects the other types.
TEST(WtmpLog, TheQuickCheckPassesEveryHistoryEntry) {
  const std::vector<std::pair<WtmpEntry, bool>> cases = {
      {BootEntry(7), true},
      {ShutdownEntry(7), true},
      {LoginEntry(7, "root"), true},
      {{UtType::RunLevel, "shutdownx", 7, "~", 0, ""}, true},  // passed on to the full check
      {{UtType::RunLevel, "runlevel", 7, "~", 0, ""}, false},
      {{UtType::DeadProcess, "", 7, "pts/1", 77, ""}, false},
      {{UtType::LoginProcess, "", 7, "pts/1", 77, ""}, false},
  };
  for (const WtmpFormat format : {WtmpFormat::Little384, WtmpFormat::Big400}) {
    const std::optional<WtmpLayout> layout =
        WtmpLog::Recognize(WriteWtmpFile(MakeWtmpMix(80, 5), format));
    ASSERT_TRUE(layout);
    for (const auto& [entry, may] : cases) {
      const std::vector<std::uint8_t> bytes = BuildWtmpRecord(entry, format);
      EXPECT_EQ(MayBeHistoryEntry(bytes, *layout), may) << entry.User;
      const std::optional<WtmpRecord> record = ReadWtmpRecord(bytes, *layout);
      EXPECT_TRUE(may || !record || !IsHistoryEntry(*record)) << entry.User;
    }
  }
}

struct SampleWtmp {
  const char* File;
  std::string_view Layout;
  std::size_t Boots, Shutdowns, Logins;
};

TEST(WtmpSamples, RealFilesOfEveryLayoutAreRead) {
  const std::array<SampleWtmp, 3> cases = {{
      {"ubuntu22-x86_64.wtmp", "384-byte little-endian", 19, 17, 31},
      {"debian11-aarch64-400.wtmp", "400-byte little-endian", 0, 0, 3},
      {"s390x-bigendian-400.utmp", "400-byte big-endian", 1, 1, 0},
  }};
  for (const SampleWtmp& c : cases) {
    const std::string path = SamplePath(c.File);
    if (path.empty()) {
      GTEST_SKIP() << c.File << " is not there";
    }
    const std::vector<std::uint8_t> file = ReadFileBytes(path);
    const std::optional<WtmpLayout> layout = WtmpLog::Recognize(file);
    ASSERT_TRUE(layout) << c.File;
    EXPECT_EQ(layout->Name, c.Layout) << c.File;
    std::map<Kind, std::size_t> counts;
    std::int64_t oldest = INT64_MAX;
    for (const Translated& t : Translate(file)) {
      ++counts[t.EventKind];
      oldest = std::min(oldest, t.Time);
    }
    EXPECT_EQ(counts[Kind::Boot], c.Boots) << c.File;
    EXPECT_EQ(counts[Kind::CleanShutdown], c.Shutdowns) << c.File;
    EXPECT_EQ(counts[Kind::Logon], c.Logins) << c.File;
    EXPECT_GT(oldest, 1'600'000'000) << c.File;  // no 1970 dates from a misread
  }
}

struct FitCase {
  const char* Name;
  std::vector<std::uint8_t> Bytes;
  std::string_view Layout;  // "none": not a wtmp file
  std::size_t Served;
  std::string_view Rival = {};  // the layout a close call is said against
};

// Boots, each followed by a login program's entry that wrote "tty1" over an older "/dev/tty1",
// and a user's login: what real files hold.
std::vector<WtmpEntry> LeftoverMix(std::size_t count) {
  std::vector<WtmpEntry> entries;
  for (std::int32_t time = 1'700'000'000; entries.size() < count; time += 100) {
    entries.push_back(BootEntry(time));
    entries.push_back(
        {UtType::LoginProcess, "LOGIN", time + 1, std::string("tty1\0tty1", 9), 77, ""});
    entries.push_back(LoginEntry(time + 2, "u"));
  }
  entries.resize(count);
  return entries;
}

// A file is read in the layout that reads the larger part of it, allowing a damaged record in
// sixteen, or one in a shorter file.
TEST(WtmpLog, ReadsNoFileInAGuessedLayout) {
  const std::vector<WtmpEntry> three = {BootEntry(1'700'000'000), LoginEntry(1'700'000'100, "a"),
                                        ShutdownEntry(1'700'000'200)};
  const std::vector<std::uint8_t> good = WriteWtmpFile(three);
  auto patched = [](std::vector<std::uint8_t> bytes, std::size_t offset, std::uint8_t value) {
    bytes[offset] = value;
    return bytes;
  };
  const std::vector<std::uint8_t> thirtyTwo =
      WriteWtmpFile(std::vector<WtmpEntry>(32, BootEntry(1'700'000'000)));
  const std::size_t second = kWtmpRecordSize;
  const std::vector<FitCase> cases = {
      {"whole", good, "384-byte little-endian", 3},
      {"type out of range", patched(good, second, 10), "384-byte little-endian", 2},
      {"pid beyond any kernel's", patched(good, second + 7, 0x01), "384-byte little-endian", 2},
      {"microseconds past a second", patched(good, second + 346, 0x10), "384-byte little-endian",
       2},
      {"control byte in a name", patched(good, second + 45, 0x07), "384-byte little-endian", 2},
      {"bytes after a name's null", patched(good, second + 50, 'x'), "384-byte little-endian", 3},
      {"64-bit time beyond 32 bits",
       patched(WriteWtmpFile(three, WtmpFormat::Little400), 400 + 348, 1), "400-byte little-endian",
       2},
      {"two damaged records in three", patched(patched(good, 0, 10), second, 10), "none", 0},
      {"the only record damaged", patched(WriteWtmpFile({BootEntry(1)}), 0, 10), "none", 0},
      {"one damaged record in 32", patched(thirtyTwo, second, 10), "384-byte little-endian", 31},
      {"three damaged records in 32",
       patched(patched(patched(thirtyTwo, second, 10), 2 * second, 10), 3 * second, 10), "none", 0},
      {"zeros", std::vector<std::uint8_t>(2 * 400, 0), "384-byte little-endian", 0},
      {"old text after lines' nulls, 41 entries", WriteWtmpFile(LeftoverMix(41)),
       "384-byte little-endian", 27},
      {"old text after lines' nulls, 6 entries of 400 bytes",
       WriteWtmpFile(LeftoverMix(6), WtmpFormat::Little400), "400-byte little-endian", 4},
      {"a boot at second 0 and a shutdown at the last 32-bit one",
       WriteWtmpFile({BootEntry(0), ShutdownEntry(-1)}), "384-byte little-endian", 2,
       "400-byte little-endian"},
  };
  for (const FitCase& c : cases) {
    const std::optional<WtmpLayout> layout = WtmpLog::Recognize(c.Bytes);
    EXPECT_EQ(layout ? layout->Name : "none", c.Layout) << c.Name;
    EXPECT_EQ(Translate(c.Bytes).size(), c.Served) << c.Name;
    OpenedLog opened = LogFromBytes(ByteBuffer::CopyOf(c.Bytes));
    EXPECT_EQ(opened.Error, layout ? "" : "not an event log or wtmp file") << c.Name;
    const std::string warning = c.Rival.empty()
                                    ? ""
                                    : "read as " + std::string(c.Layout) + " records (" +
                                          std::string(c.Rival) + " records fit a smaller part)";
    EXPECT_EQ(opened.Note, warning) << c.Name;
  }
}

}  // namespace
}  // namespace orvanta::sources
