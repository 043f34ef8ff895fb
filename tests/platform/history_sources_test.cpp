// The journal and the login database, read through their libraries: journals written by
// systemd-journal-remote from export text, databases written with SQLite, the real samples.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix/history_open.h"
#include "platform/posix/journal_history.h"
#include "platform/posix/wtmpdb_history.h"
#include "support/record_reading.h"
#include "support/sample_files.h"

namespace orvanta::platform {
namespace {

namespace fs = std::filesystem;
using Kind = history::EventKind;
using testsupport::SamplePath;

constexpr const char* kJournalRemote = "/lib/systemd/systemd-journal-remote";

struct Scratch {
  Scratch() : Dir(fs::temp_directory_path() / ("orvanta-history-" + std::to_string(getpid()))) {
    fs::create_directories(Dir);
  }
  ~Scratch() { fs::remove_all(Dir); }
  fs::path Dir;
};

// One journal entry in export form: realtime and monotonic seconds, the boot, more fields.
std::string Entry(std::int64_t realtime, std::int64_t monotonic, char boot,
                  const std::string& fields = "MESSAGE=hello\n") {
  return "__REALTIME_TIMESTAMP=" + std::to_string(realtime * 1'000'000) +
         "\n__MONOTONIC_TIMESTAMP=" + std::to_string(monotonic * 1'000'000) +
         "\n_BOOT_ID=" + std::string(32, boot) + "\n" + fields + "\n";
}

// Writes the journal file path from export text; false when the writer is not installed.
bool WriteJournal(const fs::path& path, const std::string& entries) {
  if (!fs::exists(kJournalRemote)) {
    return false;
  }
  const fs::path text = path.string() + ".export";
  std::ofstream(text) << entries;
  const std::string command = std::string(kJournalRemote) + " --output=" + path.string() + " " +
                              text.string() + " 2>/dev/null";
  fs::remove(path);
  return std::system(command.c_str()) == 0;
}

std::string Session(const std::string& user) {
  return "MESSAGE_ID=8d45620c1a4348dbb17410da57c60c66\nUSER_ID=" + user + "\n";
}

// Three boots: 'a' ends with logind's power-off message, 'b' with the shutdown target
// started, 'c' with neither (another unit started is no shutdown); sessions of a known and
// an unknown user.
std::string ThreeBoots() {
  return Entry(1000, 10, 'a') + Entry(1100, 110, 'a', Session("root")) +
         Entry(1190, 200, 'a', "MESSAGE_ID=98268866d1d54a499c4e98921d93bc40\n") +
         Entry(1200, 210, 'a') + Entry(2005, 5, 'b', Session("no-such-user-here")) +
         Entry(2090, 90, 'b',
               "MESSAGE_ID=39f53479d3a045ac8e11786248231fbf\nUNIT=shutdown.target\n") +
         Entry(2100, 100, 'b') + Entry(3020, 20, 'c') +
         Entry(3030, 30, 'c', "MESSAGE_ID=39f53479d3a045ac8e11786248231fbf\nUNIT=cron.service\n");
}

// What the tests compare of an event.
struct Brief {
  Kind EventKind;
  std::int64_t Seconds;
  std::string User;
  friend bool operator==(const Brief&, const Brief&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Brief& b) {
    return out << static_cast<int>(b.EventKind) << "@" << b.Seconds << " " << b.User;
  }
};

std::vector<Brief> Sorted(std::vector<history::HistoryEvent> events) {
  std::stable_sort(events.begin(), events.end(),
                   [](const auto& a, const auto& b) { return a.Seconds < b.Seconds; });
  std::vector<Brief> briefs;
  for (const history::HistoryEvent& event : events) {
    briefs.push_back({event.Kind, event.Seconds, event.User});
  }
  return briefs;
}

TEST(JournalHistory, BootsEndCleanlyByEitherRuleAndSessionsNameTheirUsers) {
  Scratch scratch;
  const fs::path file = scratch.Dir / "boots.journal";
  if (!WriteJournal(file, ThreeBoots())) {
    GTEST_SKIP() << kJournalRemote << " is not installed";
  }
  const std::vector<Brief> expected{{Kind::Boot, 990, {}},
                                    {Kind::Logon, 1100, "root"},
                                    {Kind::CleanShutdown, 1200, {}},
                                    {Kind::Boot, 2000, {}},
                                    {Kind::Logon, 2005, "no-such-user-here"},
                                    {Kind::CleanShutdown, 2100, {}},
                                    {Kind::Boot, 3000, {}}};
  for (const JournalPlace& place : {JournalPlace{JournalScope::File, file.string()},
                                    JournalPlace{JournalScope::Directory, scratch.Dir.string()}}) {
    sources::GatheredEvents history = ReadJournal(place);
    EXPECT_TRUE(history.Ok());
    EXPECT_EQ(history.Note, "");
    EXPECT_EQ(Sorted(history.Value), expected);
    EXPECT_EQ(JournalReach(place), 1000);
  }
}

// Sleeps entered and left, a failed one among them, and a clock change, by their message ids.
TEST(JournalHistory, SleepsAndClockChangesAreRead) {
  Scratch scratch;
  const fs::path file = scratch.Dir / "sleeps.journal";
  const std::string entered = "MESSAGE_ID=6bbd95ee977941e497c48be27c254128\nSLEEP=";
  const std::string left = "MESSAGE_ID=8811e6df2a8e40f58a94cea26f8ebf14\nSLEEP=";
  if (!WriteJournal(file,
                    Entry(1000, 10, 'a') + Entry(1100, 110, 'a', entered + "suspend\n") +
                        Entry(1500, 120, 'a', left + "suspend\nPRIORITY=6\n") +
                        Entry(1600, 130, 'a', entered + "hibernate\n") +
                        Entry(1601, 131, 'a', left + "hibernate\nPRIORITY=3\n") +
                        Entry(1700, 140, 'a', "MESSAGE_ID=c7a787079b354eaaa9e77b371893cd27\n"))) {
    GTEST_SKIP() << kJournalRemote << " is not installed";
  }
  const sources::GatheredEvents history = ReadJournal({JournalScope::File, file.string()});
  std::vector<std::tuple<Kind, std::int64_t, history::SleepKind, bool>> got;
  for (const history::HistoryEvent& event : history.Value) {
    got.emplace_back(event.Kind, event.Seconds, event.Sleep, event.Failed);
  }
  using S = history::SleepKind;
  const std::vector<std::tuple<Kind, std::int64_t, history::SleepKind, bool>> expected{
      {Kind::Boot, 990, S::Unknown, false},       {Kind::SleepStart, 1100, S::Sleep, false},
      {Kind::SleepEnd, 1500, S::Sleep, false},    {Kind::SleepStart, 1600, S::Hibernate, false},
      {Kind::SleepEnd, 1601, S::Hibernate, true}, {Kind::ClockChange, 1700, S::Unknown, false}};
  EXPECT_EQ(got, expected);
}

// Cut anywhere, a journal gives what the library still reads, never more, and no crash.
TEST(JournalHistory, ATruncatedJournalIsReadAsFarAsItGoes) {
  Scratch scratch;
  const fs::path file = scratch.Dir / "boots.journal";
  if (!WriteJournal(file, ThreeBoots())) {
    GTEST_SKIP() << kJournalRemote << " is not installed";
  }
  const std::size_t whole = ReadJournal({JournalScope::File, file.string()}).Value.size();
  std::vector<char> bytes(fs::file_size(file));
  std::ifstream(file, std::ios::binary)
      .read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  for (std::size_t size :
       {std::size_t{16}, std::size_t{300}, std::size_t{4096}, std::size_t{12000}}) {
    const fs::path cut = scratch.Dir / ("cut" + std::to_string(size) + ".journal");
    std::ofstream(cut, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(size));
    sources::GatheredEvents history = ReadJournal({JournalScope::File, cut.string()});
    EXPECT_LE(history.Value.size(), whole) << size;
    EXPECT_TRUE(history.Ok() || !history.Error.empty()) << size;
  }
}

void Execute(sqlite3* db, const char* sql) {
  ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
}

void WriteDatabase(const fs::path& path, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  Execute(db, sql);
  sqlite3_close(db);
}

constexpr const char* kWtmpTable =
    "CREATE TABLE wtmp(ID INTEGER PRIMARY KEY, Type INTEGER, User TEXT NOT NULL, Login INTEGER,"
    " Logout INTEGER, TTY TEXT, RemoteHost TEXT, Service TEXT);";

TEST(WtmpdbHistory, BootRowsGiveBootsAndShutdownsUserRowsLogins) {
  Scratch scratch;
  const fs::path db = scratch.Dir / "wtmp.db";
  WriteDatabase(db, (std::string(kWtmpTable) +
                     "INSERT INTO wtmp(Type, User, Login, Logout) VALUES"
                     " (1, 'reboot', 1000000000, 5000999999), (3, 'ann', 1500000000, NULL),"
                     " (2, 'runlevel', 1600000000, NULL), (3, 'bob', NULL, NULL),"
                     " (1, 'reboot', 6000000000, NULL), (3, 'cy', -1, NULL);")
                        .c_str());
  sources::GatheredEvents history = ReadWtmpdb(db.string());
  EXPECT_TRUE(history.Ok());
  EXPECT_EQ(history.Note, "");
  const std::vector<Brief> expected{{Kind::Logon, -1, "cy"},
                                    {Kind::Boot, 1000, {}},
                                    {Kind::Logon, 1500, "ann"},
                                    {Kind::CleanShutdown, 5000, {}},
                                    {Kind::Boot, 6000, {}}};
  EXPECT_EQ(Sorted(history.Value), expected);
  EXPECT_EQ(WtmpdbReach(db.string()), -1);
}

// What is opened by content: journal files and directories, login databases; and what is not.
TEST(OpenHistory, FilesAreRecognisedByWhatTheyHold) {
  Scratch scratch;
  const fs::path journals = scratch.Dir / "journals";
  fs::create_directories(journals);
  const bool haveJournal = WriteJournal(journals / "boots.journal", ThreeBoots());
  WriteDatabase(scratch.Dir / "wtmp.db", kWtmpTable);
  WriteDatabase(scratch.Dir / "other.db", "CREATE TABLE logins(x);");
  std::vector<char> garbage(8192, 'x');
  std::ifstream(scratch.Dir / "wtmp.db", std::ios::binary).read(garbage.data(), 100);
  std::ofstream(scratch.Dir / "broken.db", std::ios::binary).write(garbage.data(), 8192);
  fs::create_directories(scratch.Dir / "empty");

  struct Case {
    fs::path Path;
    const char* Error;  // empty when it opens
  };
  const std::array<Case, 5> cases{{
      {journals / "boots.journal", ""},
      {journals, ""},
      {scratch.Dir / "wtmp.db", ""},
      {scratch.Dir / "other.db", "no such table: wtmp"},
      {scratch.Dir / "empty", "a directory without journal files"},
  }};
  for (const Case& c : cases) {
    if (!haveJournal && c.Path.string().find("journal") != std::string::npos) {
      continue;
    }
    sources::OpenedLog opened = OpenHistory({c.Path.string(), {}});
    EXPECT_EQ(opened.Error, c.Error) << c.Path;
    EXPECT_EQ(opened.Value != nullptr, *c.Error == '\0') << c.Path;
    EXPECT_EQ(opened.Name, c.Path.string());
  }
  sources::OpenedLog broken = OpenHistory({(scratch.Dir / "broken.db").string(), {}});
  EXPECT_FALSE(broken.Value);
  EXPECT_NE(broken.Error, "");
  if (!haveJournal) {
    GTEST_SKIP() << kJournalRemote << " is not installed";
  }
}

// The real journals and login database read without a problem, with their boots and logins.
TEST(HistorySamples, RealJournalsAndDatabaseRead) {
  struct Sample {
    const char* File;
    std::size_t Boots;
    std::size_t Shutdowns;
    std::size_t Logins;
  };
  const std::array<Sample, 4> samples{{
      {"opensuse15-archived-zstd.journal", 1, 0, 1},
      {"rhel91-online-zstd.journal", 1, 0, 3},
      {"ubuntu16-online-xz.journal", 1, 0, 0},
      {"debian13-wtmpdb.db", 1, 0, 2},
  }};
  for (const Sample& sample : samples) {
    const std::string path = SamplePath(sample.File);
    if (path.empty()) {
      GTEST_SKIP() << sample.File << " is not there";
    }
    const bool database = path.ends_with(".db");
    sources::GatheredEvents history =
        database ? ReadWtmpdb(path) : ReadJournal({JournalScope::File, path});
    EXPECT_TRUE(history.Ok()) << sample.File << ": " << history.Error;
    std::array<std::size_t, 3> counts{};
    constexpr std::array<Kind, 3> kCounted{Kind::Boot, Kind::CleanShutdown, Kind::Logon};
    for (const auto& event : history.Value) {
      for (std::size_t i = 0; i < kCounted.size(); ++i) {
        counts[i] += event.Kind == kCounted[i] ? 1 : 0;
      }
    }
    EXPECT_EQ(counts, (std::array{sample.Boots, sample.Shutdowns, sample.Logins})) << sample.File;
  }
}

}  // namespace
}  // namespace orvanta::platform
