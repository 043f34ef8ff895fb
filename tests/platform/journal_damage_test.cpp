// Journals as they come from real machines and from attackers: files cut short or shrinking
// while read, directories of damaged, unreadable and very many files. The files are written by
// the journal writer of the test support.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/posix/journal_history.h"
#include "platform/posix/open_file_limit.h"
#include "support/byte_writer.h"
#include "support/gathered_problem.h"
#include "support/journal_writer.h"

namespace orvanta::platform {
namespace {

namespace fs = std::filesystem;
using testsupport::JournalBoots;
using testsupport::WriteFileBytes;
using testsupport::WriteJournalFile;

std::string Problem(const sources::GatheredEvents& history) {
  return testsupport::GatheredProblem(history);
}

struct Scratch {
  Scratch() : Dir(fs::temp_directory_path() / ("orvanta-journal-" + std::to_string(getpid()))) {
    fs::remove_all(Dir);
    fs::create_directories(Dir);
  }
  ~Scratch() { fs::remove_all(Dir); }
  fs::path Dir;
};

std::size_t Boots(const sources::GatheredEvents& history) {
  return static_cast<std::size_t>(
      std::count_if(history.Value.begin(), history.Value.end(),
                    [](const auto& e) { return e.Kind == history::EventKind::Boot; }));
}

// One boot per seed, in a file of its own.
void WriteBootFile(const fs::path& path, std::uint32_t seed) {
  ASSERT_TRUE(WriteFileBytes(path, WriteJournalFile(JournalBoots(1, 1'000'000 + seed, seed))));
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t lost) {
  bytes.resize(bytes.size() - lost);
  return bytes;
}

struct DirectoryCase {
  const char* Name;
  std::size_t Good;     // one-boot files
  std::size_t Damaged;  // files of text named as journals
  bool Dangling;        // a link to nowhere named as a journal
  bool Opened;
  std::string Problem;
  std::size_t NoteLines;
};

// Every file not read is named, and the reason for nothing read is the true one.
TEST(JournalDamage, ADirectoryNamesWhatItCouldNotRead) {
  const DirectoryCase cases[] = {
      {"empty", 0, 0, false, false, "a directory without journal files", 0},
      {"only a damaged file", 0, 1, false, false, "no journal file could be read", 1},
      {"only a link to nowhere", 0, 0, true, false, "no journal file could be read", 1},
      {"good and damaged", 2, 1, true, true, "", 2},
      {"twelve damaged: counted on one line", 1, 12, false, true, "", 1},
  };
  for (const DirectoryCase& c : cases) {
    Scratch scratch;
    for (std::size_t i = 0; i < c.Good; ++i) {
      WriteBootFile(scratch.Dir / ("good" + std::to_string(i) + ".journal"),
                    static_cast<std::uint32_t>(i));
    }
    for (std::size_t i = 0; i < c.Damaged; ++i) {
      WriteFileBytes(scratch.Dir / ("bad" + std::to_string(i) + ".journal"),
                     std::vector<std::uint8_t>(4096, 'x'));
    }
    if (c.Dangling) {
      fs::create_symlink(scratch.Dir / "nowhere", scratch.Dir / "link.journal");
    }
    const sources::GatheredEvents history = ReadJournal({JournalScope::Directory, scratch.Dir});
    EXPECT_EQ(history.Ok(), c.Opened) << c.Name;
    EXPECT_EQ(Problem(history), c.Problem) << c.Name;
    EXPECT_EQ(Boots(history), c.Good) << c.Name;
    ASSERT_EQ(history.FileNotes.size(), c.NoteLines) << c.Name;
    if (c.Damaged > 0 && c.NoteLines > 0) {
      EXPECT_NE(history.FileNotes.front().Text.find("damaged journal file"), std::string::npos)
          << c.Name << ": " << history.FileNotes.front().Text;
    }
  }
}

// A file shorter than its header says (as when a copy stopped early) is read as far as it goes.
TEST(JournalDamage, AJournalCutShortIsReadAsFarAsItGoes) {
  Scratch scratch;
  const std::vector<std::uint8_t> whole = WriteJournalFile(JournalBoots(3, 1000, 7));
  const fs::path file = scratch.Dir / "cut.journal";
  for (std::size_t lost : {std::size_t{1}, std::size_t{4096}}) {
    ASSERT_TRUE(WriteFileBytes(file, Cut(whole, lost)));
    const sources::GatheredEvents history = ReadJournal({JournalScope::File, file});
    EXPECT_TRUE(history.Ok()) << lost << ": " << Problem(history);
    EXPECT_EQ(Problem(history), "the file is cut short") << lost;
    EXPECT_EQ(Boots(history), 3u) << lost;
    EXPECT_EQ(history.Value.size(), 9u) << lost;
  }
  const sources::GatheredEvents inDirectory = ReadJournal({JournalScope::Directory, scratch.Dir});
  EXPECT_EQ(Boots(inDirectory), 3u);
  ASSERT_EQ(inDirectory.FileNotes.size(), 1u);
  EXPECT_EQ(inDirectory.FileNotes[0].Text, "read as far as it goes: the file is cut short");
}

// Cut shorter while the journal library has it mapped: pages it lost read as zeros, not SIGBUS.
TEST(JournalDamage, AJournalThatShrinksWhileReadEndsWithWhatWasRead) {
  Scratch scratch;
  const fs::path file = scratch.Dir / "shrinking.journal";
  ASSERT_TRUE(WriteFileBytes(file, WriteJournalFile(JournalBoots(400, 1000, 3))));
  ASSERT_GT(fs::file_size(file), 64u * 1024);
  bool cut = false;
  const sources::GatheredEvents history = ReadJournal({JournalScope::File, file}, [&] {
    if (!cut) {
      cut = ::truncate(file.c_str(), 4096) == 0;
    }
  });
  EXPECT_TRUE(cut);
  EXPECT_TRUE(history.Ok());
  EXPECT_EQ(Problem(history), "the file shrank");
  EXPECT_GE(Boots(history), 1u);
  EXPECT_LT(Boots(history), 400u);
}

// A directory of more files than may be open at once is read whole.
TEST(JournalDamage, ADirectoryOfMoreFilesThanTheOpenLimitIsReadWhole) {
  Scratch scratch;
  constexpr std::size_t kFiles = 40;
  for (std::size_t i = 0; i < kFiles; ++i) {
    std::string name = std::to_string(i);  // GCC 12 warns of a literal + a temporary string
    name.insert(0, 1, 'f');
    WriteBootFile(scratch.Dir / (name + ".journal"), static_cast<std::uint32_t>(i));
  }
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit low = saved;
  low.rlim_cur = 24;
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &low), 0);
  const sources::GatheredEvents history = ReadJournal({JournalScope::Directory, scratch.Dir});
  EXPECT_TRUE(RaiseOpenFileLimit());
  rlimit raised{};
  ::getrlimit(RLIMIT_NOFILE, &raised);
  EXPECT_EQ(raised.rlim_cur, std::min<rlim_t>(saved.rlim_max, rlim_t{1} << 19));
  ::setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(Boots(history), kFiles);
  EXPECT_TRUE(history.FileNotes.empty());
}

}  // namespace
}  // namespace orvanta::platform
