#include "sources/journal_rows.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/fakes.h"
#include "support/journal_writer.h"

namespace orvanta::sources {
namespace {

using Kind = history::EventKind;
constexpr std::uint64_t kSecond = 1'000'000;

using testsupport::EventAt;

struct MergeCase {
  const char* Name;
  JournalRows Rows;
  std::vector<history::HistoryEvent> Expected;
};

TEST(JournalRows, RowsOfOneBootFromManyFilesMergeIntoOneRun) {
  const MergeCase cases[] = {
      {"one file, no shutdown announced",
       {{{"a", 100 * kSecond, 10 * kSecond, 500 * kSecond, false}}, {}, {}},
       {EventAt(Kind::Boot, 90)}},
      {"earliest entry starts the boot, latest ends it, any file announces",
       {{{"a", 300 * kSecond, 210 * kSecond, 900 * kSecond, true},
         {"a", 100 * kSecond, 10 * kSecond, 500 * kSecond, false}},
        {},
        {}},
       {EventAt(Kind::Boot, 90), EventAt(Kind::CleanShutdown, 900)}},
      {"monotonic beyond realtime starts at the epoch",
       {{{"a", 5 * kSecond, 9 * kSecond, 6 * kSecond, false}}, {}, {}},
       {EventAt(Kind::Boot, 0)}},
      {"the same login in two files counts once; one without a user is none",
       {{},
        {{20 * kSecond, "ann"}, {20 * kSecond, "ann"}, {30 * kSecond, ""}, {20 * kSecond, "bo"}},
        {}},
       {EventAt(Kind::Logon, 20, "ann"), EventAt(Kind::Logon, 20, "bo")}},
      {"boots of different ids stay apart, oldest first",
       {{{"b", 2000 * kSecond, 0, 2000 * kSecond, false},
         {"a", 1000 * kSecond, 0, 1000 * kSecond, false}},
        {},
        {}},
       {EventAt(Kind::Boot, 1000), EventAt(Kind::Boot, 2000)}},
  };
  for (const MergeCase& c : cases) {
    EXPECT_EQ(JournalEvents(c.Rows), c.Expected) << c.Name;
  }
}

history::HistoryEvent Sleep(Kind kind, std::int64_t seconds, history::SleepKind sleep,
                            bool failed = false) {
  history::HistoryEvent event = EventAt(kind, seconds);
  event.Sleep = sleep;
  event.Failed = failed;
  return event;
}

// Sleep entered and left by their message ids, the kind by SLEEP=, a failure by an error
// priority; the clock's change; an unknown message nothing; one entry from two files once.
TEST(JournalRows, SleepAndClockEntriesBecomeTheirEvents) {
  using S = history::SleepKind;
  const std::string entered(kSleepEnteredMessage);
  const std::string left(kSleepLeftMessage);
  JournalRows rows;
  rows.Power = {
      {10 * kSecond, entered, "suspend", "6"},
      {10 * kSecond, entered, "suspend", "6"},
      {20 * kSecond, left, "suspend", "6"},
      {30 * kSecond, entered, "hibernate", "6"},
      {31 * kSecond, left, "hibernate", "3"},
      {40 * kSecond, entered, "hybrid-sleep", "6"},
      {50 * kSecond, left, "suspend-then-hibernate", "4"},
      {60 * kSecond, entered, "deep", "6"},
      {61 * kSecond, left, "", "x"},
      {70 * kSecond, std::string(kClockChangedMessage), "", "6"},
      {80 * kSecond, "98268866d1d54a499c4e98921d93bc40", "", "6"},
  };
  const std::vector<history::HistoryEvent> expected = {
      Sleep(Kind::SleepStart, 10, S::Sleep),
      Sleep(Kind::SleepEnd, 20, S::Sleep),
      Sleep(Kind::SleepStart, 30, S::Hibernate),
      Sleep(Kind::SleepEnd, 31, S::Hibernate, true),
      Sleep(Kind::SleepStart, 40, S::HybridSleep),
      Sleep(Kind::SleepEnd, 50, S::SuspendThenHibernate),
      Sleep(Kind::SleepStart, 60, S::Unknown),
      Sleep(Kind::SleepEnd, 61, S::Unknown),
      EventAt(Kind::ClockChange, 70),
  };
  EXPECT_EQ(JournalEvents(rows), expected);
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
