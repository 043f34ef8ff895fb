#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_event.h"
#include "sources/file_note.h"

namespace orvanta::sources {

// What one journal file (or one journal of many files) says of one boot. Times of entries:
// realtime in microseconds since 1970 UTC, monotonic in microseconds since the boot.
struct JournalBootRow {
  std::string BootId;
  std::uint64_t FirstRealtime = 0;   // of the boot's first entry here
  std::uint64_t FirstMonotonic = 0;  // of that same entry
  std::uint64_t LastRealtime = 0;    // of the boot's last entry here
  bool ShutdownAnnounced = false;    // logind announced a power-off or reboot, or the shutdown
                                     // target started
};

// A logind session start: when, and the user it names.
struct JournalLoginRow {
  std::uint64_t Realtime = 0;
  std::string User;
};

// The MESSAGE_IDs of the entries that tell of sleep and of the clock.
inline constexpr std::string_view kSleepEnteredMessage = "6bbd95ee977941e497c48be27c254128";
inline constexpr std::string_view kSleepLeftMessage = "8811e6df2a8e40f58a94cea26f8ebf14";
inline constexpr std::string_view kClockChangedMessage = "c7a787079b354eaaa9e77b371893cd27";

// An entry of one of those messages, its fields as the journal gives them (empty when absent).
struct JournalPowerRow {
  std::uint64_t Realtime = 0;
  std::string MessageId;
  std::string Sleep;     // SLEEP=: "suspend", "hibernate", "hybrid-sleep", ...
  std::string Priority;  // PRIORITY=: syslog level, "0" to "7"
};

struct JournalRows {
  std::vector<JournalBootRow> Boots;
  std::vector<JournalLoginRow> Logins;
  std::vector<JournalPowerRow> Power;
};

// The events of rows read from one or many files, oldest first. The rows of one boot merge: it
// starts at its earliest entry's realtime less that entry's monotonic time, and, when any row
// announced a shutdown, ends cleanly at its latest entry. A login without a user is none, and
// the same login read from two files counts once. Sleep entered and left become a sleep's start
// and end (left at error priority or worse: going to sleep failed), a clock change a clock
// change; the same entry read from two files counts once.
std::vector<history::HistoryEvent> JournalEvents(const JournalRows& rows);

// Up to this many unread files are named one line each; past it, one line counts them all and
// names the first few.
inline constexpr std::size_t kUnreadFilesNamedEach = 10;
inline constexpr std::size_t kUnreadFilesNamedInCount = 3;

// The lines naming the files of a directory that were not read (each with its reason).
std::vector<FileNote> UnreadFileNotes(std::string_view directory, std::span<const FileNote> unread);

// Names that a journal directory gives its files (".journal", and ".journal~" for a file its
// writer set aside as damaged), and its subdirectories of one machine each (the machine's
// 128-bit id in hex, perhaps followed by "." and a namespace).
bool IsJournalFileName(std::string_view name);
bool IsMachineDirectoryName(std::string_view name);

// A journal file can be no longer than this, whatever its header says.
inline constexpr std::uint64_t kLongestJournalFile = std::uint64_t{1} << 36;

// The length a journal file's header gives the file (header and arena), from its first bytes;
// nothing when they are no journal header or give a length beyond any journal file's.
std::optional<std::uint64_t> JournalLengthInHeader(std::span<const std::uint8_t> head);

}  // namespace orvanta::sources
