#include "platform/posix/journal_query.h"

#include <systemd/sd-journal.h>

#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/posix/journal_files.h"

namespace orvanta::platform {
namespace {

constexpr std::string_view kBootIdField = "_BOOT_ID";
constexpr const char* kPowerOffMessage = "MESSAGE_ID=98268866d1d54a499c4e98921d93bc40";
constexpr const char* kUnitStartedMessage = "MESSAGE_ID=39f53479d3a045ac8e11786248231fbf";
constexpr const char* kShutdownTargetUnit = "UNIT=shutdown.target";
constexpr const char* kSessionStartMessage = "MESSAGE_ID=8d45620c1a4348dbb17410da57c60c66";
constexpr std::string_view kUserIdField = "USER_ID";
constexpr std::string_view kMessageIdField = "MESSAGE_ID";
constexpr std::string_view kSleepField = "SLEEP";
constexpr std::string_view kPriorityField = "PRIORITY";
constexpr std::array<std::string_view, 3> kPowerMessages{
    sources::kSleepEnteredMessage, sources::kSleepLeftMessage, sources::kClockChangedMessage};

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
      m_problem = JournalReason(r);
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

template <typename Matches>
bool SetMatches(sd_journal* journal, const Matches& matches) {
  sd_journal_flush_matches(journal);
  for (std::string_view match : matches) {
    if (sd_journal_add_match(journal, match.data(), match.size()) < 0) {
      return false;
    }
  }
  return true;
}

bool Matches(sd_journal* journal, std::initializer_list<std::string_view> matches) {
  return SetMatches(journal, matches);
}

std::optional<sources::JournalBootRow> ReadBoot(sd_journal* journal, Walk& walk,
                                                const std::string& boot) {
  if (!Matches(journal, {boot}) || !walk.First(false)) {
    return std::nullopt;
  }
  sources::JournalBootRow row{boot};
  sd_id128_t bootId{};
  if (!walk.Check(sd_journal_get_realtime_usec(journal, &row.FirstRealtime)) ||
      !walk.Check(sd_journal_get_monotonic_usec(journal, &row.FirstMonotonic, &bootId))) {
    return std::nullopt;
  }
  row.LastRealtime = row.FirstRealtime;
  if (walk.First(true)) {
    row.LastRealtime = walk.Realtime().value_or(row.FirstRealtime);
  }
  row.ShutdownAnnounced =
      (Matches(journal, {boot, kPowerOffMessage}) && walk.First(false)) ||
      (Matches(journal, {boot, kUnitStartedMessage, kShutdownTargetUnit}) && walk.First(false));
  return row;
}

void ReadLogins(sd_journal* journal, Walk& walk, std::vector<sources::JournalLoginRow>& logins) {
  if (!Matches(journal, {kSessionStartMessage})) {
    return;
  }
  for (bool more = walk.First(false); more; more = walk.Step()) {
    std::optional<std::uint64_t> realtime = walk.Realtime();
    std::string user = FieldOf(journal, kUserIdField);
    if (realtime) {
      logins.push_back({*realtime, std::move(user)});
    }
  }
}

// Sleeps entered and left and clock changes: matches on one field, any of them.
void ReadPower(sd_journal* journal, Walk& walk, std::vector<sources::JournalPowerRow>& power) {
  std::vector<std::string> matches;
  for (std::string_view id : kPowerMessages) {
    matches.push_back(std::string(kMessageIdField) + "=" + std::string(id));
  }
  if (!SetMatches(journal, matches)) {
    return;
  }
  for (bool more = walk.First(false); more; more = walk.Step()) {
    if (std::optional<std::uint64_t> realtime = walk.Realtime()) {
      power.push_back({*realtime, FieldOf(journal, kMessageIdField), FieldOf(journal, kSleepField),
                       FieldOf(journal, kPriorityField)});
    }
  }
}

}  // namespace

sources::JournalRows QueryJournalRows(sd_journal* journal, std::string& problem,
                                      const std::function<void()>& afterEachBoot) {
  sources::JournalRows rows;
  Walk walk(journal, problem);
  for (const std::string& boot : BootMatches(journal, walk)) {
    if (std::optional<sources::JournalBootRow> row = ReadBoot(journal, walk, boot)) {
      rows.Boots.push_back(std::move(*row));
    }
    if (afterEachBoot) {
      afterEachBoot();
    }
  }
  ReadLogins(journal, walk, rows.Logins);
  ReadPower(journal, walk, rows.Power);
  return rows;
}

}  // namespace orvanta::platform
