#include "sources/journal_rows.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/journal_writer.h"

namespace orvanta::sources {
namespace {

using Kind = HistoryEventKind;
constexpr std::uint64_t kSecond = 1'000'000;

struct MergeCase {
  const char* Name;
  JournalRows Rows;
  std::vector<HistoryEvent> Expected;
};

TEST(JournalRows, RowsOfOneBootFromManyFilesMergeIntoOneRun) {
  const MergeCase cases[] = {
      {"one file, no shutdown announced",
       {{{"a", 100 * kSecond, 10 * kSecond, 500 * kSecond, false}}, {}},
       {{Kind::Boot, 90, {}}}},
      {"earliest entry starts the boot, latest ends it, any file announces",
       {{{"a", 300 * kSecond, 210 * kSecond, 900 * kSecond, true},
         {"a", 100 * kSecond, 10 * kSecond, 500 * kSecond, false}},
        {}},
       {{Kind::Boot, 90, {}}, {Kind::CleanShutdown, 900, {}}}},
      {"monotonic beyond realtime starts at the epoch",
       {{{"a", 5 * kSecond, 9 * kSecond, 6 * kSecond, false}}, {}},
       {{Kind::Boot, 0, {}}}},
      {"the same login in two files counts once; one without a user is none",
       {{},
        {{20 * kSecond, "ann"}, {20 * kSecond, "ann"}, {30 * kSecond, ""}, {20 * kSecond, "bo"}}},
       {{Kind::Login, 20, "ann"}, {Kind::Login, 20, "bo"}}},
      {"boots of different ids stay apart, oldest first",
       {{{"b", 2000 * kSecond, 0, 2000 * kSecond, false},
         {"a", 1000 * kSecond, 0, 1000 * kSecond, false}},
        {}},
       {{Kind::Boot, 1000, {}}, {Kind::Boot, 2000, {}}}},
  };
  for (const MergeCase& c : cases) {
    EXPECT_EQ(JournalEvents(c.Rows), c.Expected) << c.Name;
  }
}

TEST(JournalRows, PastTenUnreadFilesOneLineCountsThemAndNamesTheFirst) {
  std::vector<FileNote> unread;
  for (int i = 0; i < 12; ++i) {
    unread.push_back({"d/f" + std::to_string(i) + ".journal", "damaged journal file"});
  }
  const auto ten = std::span(unread).first(10);
  EXPECT_EQ(UnreadFileNotes("d", ten), std::vector<FileNote>(ten.begin(), ten.end()));
  EXPECT_EQ(UnreadFileNotes("d", unread),
            (std::vector<FileNote>{
                {"d",
                 "12 journal files not read whole, among them d/f0.journal (damaged journal "
                 "file), d/f1.journal (damaged journal file), d/f2.journal (damaged journal "
                 "file)"}}));
}

TEST(JournalRows, NamesOfJournalFilesAndMachineDirectories) {
  const std::pair<const char*, bool> files[] = {
      {"system.journal", true},    {"system@0005-0006.journal~", true},
      {"user-1000.journal", true}, {".journal", false},
      {"notes.txt", false},        {"system.journal.bak", false},
  };
  for (const auto& [name, journal] : files) {
    EXPECT_EQ(IsJournalFileName(name), journal) << name;
  }
  const std::pair<const char*, bool> directories[] = {
      {"0123456789abcdef0123456789ABCDEF", true},  {"0123456789abcdef0123456789abcdef.ns", true},
      {"0123456789abcdef0123456789abcde", false},  {"0123456789abcdef0123456789abcdefx", false},
      {"0123456789abcdef0123456789abcdeg", false},
  };
  for (const auto& [name, machine] : directories) {
    EXPECT_EQ(IsMachineDirectoryName(name), machine) << name;
  }
}

TEST(JournalRows, TheHeaderGivesTheFileLengthWithinBounds) {
  const std::vector<std::uint8_t> file =
      testsupport::WriteJournalFile(testsupport::JournalBoots(2, 1000, 1));
  EXPECT_EQ(JournalLengthInHeader(file), file.size());
  EXPECT_EQ(JournalLengthInHeader(std::span(file).first(100)), std::nullopt);
  std::vector<std::uint8_t> huge = file;
  huge[96 + 7] = 0x7f;  // an arena of 2^62 bytes and more
  EXPECT_EQ(JournalLengthInHeader(huge), std::nullopt);
  std::vector<std::uint8_t> other = file;
  other[0] = 'X';
  EXPECT_EQ(JournalLengthInHeader(other), std::nullopt);
}

}  // namespace
}  // namespace orvanta::sources
