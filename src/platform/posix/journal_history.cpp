#include "platform/posix/journal_history.h"

#include <grp.h>
#include <systemd/sd-journal.h>
#include <unistd.h>

#include <array>
#include <memory>
#include <vector>

#include "platform/posix/journal_files.h"
#include "platform/posix/journal_query.h"
#include "platform/posix/sigbus_guard.h"

namespace orvanta::platform {
namespace {

constexpr const char* kNoJournalFiles = "a directory without journal files";
constexpr const char* kNoReadableFile = "no journal file could be read";
constexpr const char* kShrank = "the file shrank";
constexpr const char* kCutShort = "the file is cut short";

struct JournalCloser {
  void operator()(sd_journal* journal) const { sd_journal_close(journal); }
};
using Journal = std::unique_ptr<sd_journal, JournalCloser>;

int OpenJournal(const JournalPlace& place, Journal& out) {
  sd_journal* journal = nullptr;
  int r = 0;
  switch (place.Scope) {
    case JournalScope::System:
      r = sd_journal_open(&journal, SD_JOURNAL_LOCAL_ONLY | SD_JOURNAL_SYSTEM);
      break;
    case JournalScope::Directory:
      r = sd_journal_open_directory(&journal, place.Path.c_str(), 0);
      break;
    case JournalScope::File: {
      std::array<const char*, 2> paths{place.Path.c_str(), nullptr};
      r = sd_journal_open_files(&journal, paths.data(), 0);
      break;
    }
  }
  out.reset(r >= 0 ? journal : nullptr);
  return r;
}

// What reading one file gave: opened or not, and why it stopped short.
struct FileRead {
  bool Opened = false;
  std::string Problem;
};

// Reads one journal file's rows into rows; a fault on a page the file lost ends it.
FileRead ReadFile(const std::string& path, const SigbusGuard& guard, sources::JournalRows& rows,
                  const std::function<void()>& afterEachBoot) {
  const std::uint64_t faultsBefore = guard.Faults();
  const JournalFile file = JournalFile::Open(path);
  if (file.Get() == nullptr) {
    return {false, guard.Faults() != faultsBefore ? kShrank : file.Error()};
  }
  std::string problem;
  sources::JournalRows read = QueryJournalRows(file.Get(), problem, afterEachBoot);
  if (guard.Faults() != faultsBefore) {
    problem = kShrank;
  } else if (problem.empty() && file.CutShort()) {
    problem = kCutShort;
  }
  rows.Boots.insert(rows.Boots.end(), std::make_move_iterator(read.Boots.begin()),
                    std::make_move_iterator(read.Boots.end()));
  rows.Logins.insert(rows.Logins.end(), std::make_move_iterator(read.Logins.begin()),
                     std::make_move_iterator(read.Logins.end()));
  rows.Power.insert(rows.Power.end(), std::make_move_iterator(read.Power.begin()),
                    std::make_move_iterator(read.Power.end()));
  return {true, std::move(problem)};
}

// What was read, and why the reading stopped short, if it did.
sources::GatheredEvents Gathered(const sources::JournalRows& rows, const std::string& problem) {
  sources::GatheredEvents gathered;
  gathered.Value = sources::JournalEvents(rows);
  if (!problem.empty()) {
    gathered.AddNote(std::string(sources::kReadInPart) + problem);
  }
  return gathered;
}

sources::GatheredEvents ReadOneFile(const std::string& path, const SigbusGuard& guard,
                                    const std::function<void()>& afterEachBoot) {
  sources::JournalRows rows;
  const FileRead read = ReadFile(path, guard, rows, afterEachBoot);
  if (!read.Opened) {
    return sources::Failed<std::vector<history::HistoryEvent>>(read.Problem);
  }
  return Gathered(rows, read.Problem);
}

sources::GatheredEvents ReadDirectory(const std::string& directory, const SigbusGuard& guard,
                                      const std::function<void()>& afterEachBoot) {
  JournalFileList list = ListJournalFiles(directory);
  if (!list.Error.empty()) {
    return sources::Failed<std::vector<history::HistoryEvent>>(std::move(list.Error));
  }
  std::vector<sources::FileNote> unread = std::move(list.Unlisted);
  if (list.Paths.empty()) {
    auto none = sources::Failed<std::vector<history::HistoryEvent>>(
        unread.empty() ? kNoJournalFiles : kNoReadableFile);
    none.FileNotes = sources::UnreadFileNotes(directory, unread);
    return none;
  }
  sources::JournalRows rows;
  bool anyOpened = false;
  for (const std::string& path : list.Paths) {
    const FileRead read = ReadFile(path, guard, rows, afterEachBoot);
    anyOpened = anyOpened || read.Opened;
    if (!read.Opened) {
      unread.push_back({path, read.Problem});
    } else if (!read.Problem.empty()) {
      unread.push_back({path, std::string(sources::kReadInPart) + read.Problem});
    }
  }
  sources::GatheredEvents gathered =
      anyOpened ? Gathered(rows, {})
                : sources::Failed<std::vector<history::HistoryEvent>>(kNoReadableFile);
  gathered.FileNotes = sources::UnreadFileNotes(directory, unread);
  return gathered;
}

sources::GatheredEvents ReadSystem(const SigbusGuard& guard) {
  const std::uint64_t faultsBefore = guard.Faults();
  Journal journal;
  if (const int r = OpenJournal({JournalScope::System, {}}, journal); r < 0) {
    return sources::Failed<std::vector<history::HistoryEvent>>(JournalReason(r));
  }
  std::string problem;
  const sources::JournalRows rows = QueryJournalRows(journal.get(), problem, {});
  if (guard.Faults() != faultsBefore) {
    problem = kShrank;
  }
  return Gathered(rows, problem);
}

}  // namespace

sources::GatheredEvents ReadJournal(const JournalPlace& place,
                                    const std::function<void()>& afterEachBoot) {
  // The journal library reads through mappings: a file cut shorter meanwhile must not kill us.
  const SigbusGuard guard;
  switch (place.Scope) {
    case JournalScope::File:
      return ReadOneFile(place.Path, guard, afterEachBoot);
    case JournalScope::Directory:
      return ReadDirectory(place.Path, guard, afterEachBoot);
    case JournalScope::System:
      break;
  }
  return ReadSystem(guard);
}

std::optional<std::int64_t> JournalReach(const JournalPlace& place) {
  const SigbusGuard guard;
  Journal journal;
  std::uint64_t from = 0;
  std::uint64_t to = 0;
  if (OpenJournal(place, journal) < 0 ||
      sd_journal_get_cutoff_realtime_usec(journal.get(), &from, &to) <= 0) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(from / 1'000'000);
}

bool MayReadWholeSystemJournal() {
  if (geteuid() == 0) {
    return true;
  }
  const int count = getgroups(0, nullptr);
  std::vector<gid_t> groups(count > 0 ? static_cast<std::size_t>(count) : 0);
  if (count > 0 && getgroups(count, groups.data()) < 0) {
    groups.clear();
  }
  groups.push_back(getegid());
  for (const char* name : {"adm", "systemd-journal", "wheel"}) {
    if (const group* entry = getgrnam(name)) {
      for (gid_t gid : groups) {
        if (gid == entry->gr_gid) {
          return true;
        }
      }
    }
  }
  return false;
}

}  // namespace orvanta::platform
