#include "platform/posix/journal_history.h"

#include <grp.h>
#include <systemd/sd-journal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace orvanta::platform {
namespace {

constexpr std::string_view kBootIdField = "_BOOT_ID";
constexpr const char* kPowerOffMessage = "MESSAGE_ID=98268866d1d54a499c4e98921d93bc40";
constexpr const char* kUnitStartedMessage = "MESSAGE_ID=39f53479d3a045ac8e11786248231fbf";
constexpr const char* kShutdownTargetUnit = "UNIT=shutdown.target";
constexpr const char* kSessionStartMessage = "MESSAGE_ID=8d45620c1a4348dbb17410da57c60c66";
constexpr std::string_view kUserIdField = "USER_ID";

struct JournalCloser {
  void operator()(sd_journal* journal) const { sd_journal_close(journal); }
};
using Journal = std::unique_ptr<sd_journal, JournalCloser>;

std::string Reason(int negativeErrno) {
  return std::strerror(-negativeErrno);
}

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

std::int64_t Seconds(std::uint64_t microseconds) {
  return static_cast<std::int64_t>(microseconds / 1'000'000);
}

// The value of a field of the current entry, empty when it has none.
std::string FieldOf(sd_journal* journal, std::string_view field) {
  const void* data = nullptr;
  std::size_t length = 0;
  if (sd_journal_get_data(journal, std::string(field).c_str(), &data, &length) < 0 ||
      length <= field.size()) {
    return {};
  }
  return {static_cast<const char*>(data) + field.size() + 1, length - field.size() - 1};
}

// Reads the journal under the matches set; remembers the first error as the problem.
class Walk {
 public:
  Walk(sd_journal* journal, std::string& problem) : m_journal(journal), m_problem(problem) {}

  // Moves to the first (or, from the tail, the last) matching entry; false when none.
  bool First(bool fromTail) {
    const int seek = fromTail ? sd_journal_seek_tail(m_journal) : sd_journal_seek_head(m_journal);
    return Check(seek) && Step(fromTail);
  }
  bool Step(bool backwards = false) {
    const int r = backwards ? sd_journal_previous(m_journal) : sd_journal_next(m_journal);
    return Check(r) && r > 0;
  }
  bool Check(int r) {
    if (r < 0 && m_problem.empty()) {
      m_problem = Reason(r);
    }
    return r >= 0;
  }
  std::optional<std::uint64_t> Realtime() {
    std::uint64_t usec = 0;
    return Check(sd_journal_get_realtime_usec(m_journal, &usec)) ? std::optional(usec)
                                                                 : std::nullopt;
  }

 private:
  sd_journal* m_journal;
  std::string& m_problem;
};

std::vector<std::string> BootMatches(sd_journal* journal, Walk& walk) {
  std::vector<std::string> boots;
  if (!walk.Check(sd_journal_query_unique(journal, std::string(kBootIdField).c_str()))) {
    return boots;
  }
  const void* data = nullptr;
  std::size_t length = 0;
  SD_JOURNAL_FOREACH_UNIQUE(journal, data, length) {
    boots.emplace_back(static_cast<const char*>(data), length);
  }
  return boots;
}

bool Matches(sd_journal* journal, std::initializer_list<std::string_view> matches) {
  sd_journal_flush_matches(journal);
  for (std::string_view match : matches) {
    if (sd_journal_add_match(journal, match.data(), match.size()) < 0) {
      return false;
    }
  }
  return true;
}

void ReadBoot(sd_journal* journal, Walk& walk, const std::string& boot,
              std::vector<sources::HistoryEvent>& events) {
  if (!Matches(journal, {boot}) || !walk.First(false)) {
    return;
  }
  std::uint64_t realtime = 0;
  std::uint64_t monotonic = 0;
  sd_id128_t bootId{};
  if (!walk.Check(sd_journal_get_realtime_usec(journal, &realtime)) ||
      !walk.Check(sd_journal_get_monotonic_usec(journal, &monotonic, &bootId))) {
    return;
  }
  events.push_back({sources::HistoryEventKind::Boot,
                    Seconds(realtime >= monotonic ? realtime - monotonic : 0),
                    {}});
  const bool clean =
      (Matches(journal, {boot, kPowerOffMessage}) && walk.First(false)) ||
      (Matches(journal, {boot, kUnitStartedMessage, kShutdownTargetUnit}) && walk.First(false));
  if (clean && Matches(journal, {boot}) && walk.First(true)) {
    if (std::optional<std::uint64_t> last = walk.Realtime()) {
      events.push_back({sources::HistoryEventKind::CleanShutdown, Seconds(*last), {}});
    }
  }
}

void ReadLogins(sd_journal* journal, Walk& walk, std::vector<sources::HistoryEvent>& events) {
  if (!Matches(journal, {kSessionStartMessage})) {
    return;
  }
  for (bool more = walk.First(false); more; more = walk.Step()) {
    std::optional<std::uint64_t> realtime = walk.Realtime();
    std::string user = FieldOf(journal, kUserIdField);
    if (realtime && !user.empty()) {
      events.push_back({sources::HistoryEventKind::Login, Seconds(*realtime), std::move(user)});
    }
  }
}

}  // namespace

GatheredHistory ReadJournal(const JournalPlace& place) {
  GatheredHistory history;
  Journal journal;
  if (const int r = OpenJournal(place, journal); r < 0) {
    history.Problem = Reason(r);
    return history;
  }
  history.Opened = true;
  Walk walk(journal.get(), history.Problem);
  for (const std::string& boot : BootMatches(journal.get(), walk)) {
    ReadBoot(journal.get(), walk, boot, history.Events);
  }
  ReadLogins(journal.get(), walk, history.Events);
  return history;
}

std::optional<std::int64_t> JournalReach(const JournalPlace& place) {
  Journal journal;
  std::uint64_t from = 0;
  std::uint64_t to = 0;
  if (OpenJournal(place, journal) < 0 ||
      sd_journal_get_cutoff_realtime_usec(journal.get(), &from, &to) <= 0) {
    return std::nullopt;
  }
  return Seconds(from);
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
