#include "sources/journal_rows.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <tuple>

#include "history/byte_reader.h"

namespace orvanta::sources {
namespace {

std::int64_t Seconds(std::uint64_t microseconds) {
  return static_cast<std::int64_t>(microseconds / 1'000'000);
}

// One boot's rows merged.
struct MergedBoot {
  std::uint64_t FirstRealtime = 0;
  std::uint64_t FirstMonotonic = 0;
  std::uint64_t LastRealtime = 0;
  bool ShutdownAnnounced = false;
};

struct SleepName {
  std::string_view Name;
  history::SleepKind Kind;
};

constexpr std::array<SleepName, 4> kSleepNames{{
    {"suspend", history::SleepKind::Sleep},
    {"hibernate", history::SleepKind::Hibernate},
    {"hybrid-sleep", history::SleepKind::HybridSleep},
    {"suspend-then-hibernate", history::SleepKind::SuspendThenHibernate},
}};

// Syslog levels from error (3) down to emergency (0).
constexpr int kLeastErrorPriority = 3;

history::SleepKind SleepKindOf(std::string_view name) {
  for (const SleepName& sleep : kSleepNames) {
    if (sleep.Name == name) {
      return sleep.Kind;
    }
  }
  return history::SleepKind::Unknown;
}

bool IsErrorPriority(std::string_view priority) {
  int level = 0;
  const auto [end, error] =
      std::from_chars(priority.data(), priority.data() + priority.size(), level);
  return error == std::errc() && end == priority.data() + priority.size() &&
         level <= kLeastErrorPriority;
}

history::HistoryEvent Event(history::EventKind kind, std::int64_t seconds) {
  history::HistoryEvent event;
  event.Kind = kind;
  event.Seconds = seconds;
  return event;
}

// The event of a power row, nothing for a message it does not know.
std::optional<history::HistoryEvent> PowerEvent(const JournalPowerRow& row) {
  const std::int64_t seconds = Seconds(row.Realtime);
  if (row.MessageId == kClockChangedMessage) {
    return Event(history::EventKind::ClockChange, seconds);
  }
  const bool entered = row.MessageId == kSleepEnteredMessage;
  if (!entered && row.MessageId != kSleepLeftMessage) {
    return std::nullopt;
  }
  history::HistoryEvent event =
      Event(entered ? history::EventKind::SleepStart : history::EventKind::SleepEnd, seconds);
  event.Sleep = SleepKindOf(row.Sleep);
  event.Failed = !entered && IsErrorPriority(row.Priority);
  return event;
}

}  // namespace

std::vector<history::HistoryEvent> JournalEvents(const JournalRows& rows) {
  std::map<std::string_view, MergedBoot> boots;
  for (const JournalBootRow& row : rows.Boots) {
    auto [at, added] = boots.try_emplace(
        row.BootId,
        MergedBoot{row.FirstRealtime, row.FirstMonotonic, row.LastRealtime, row.ShutdownAnnounced});
    MergedBoot& boot = at->second;
    if (added) {
      continue;
    }
    if (row.FirstRealtime < boot.FirstRealtime) {
      boot.FirstRealtime = row.FirstRealtime;
      boot.FirstMonotonic = row.FirstMonotonic;
    }
    boot.LastRealtime = std::max(boot.LastRealtime, row.LastRealtime);
    boot.ShutdownAnnounced = boot.ShutdownAnnounced || row.ShutdownAnnounced;
  }
  std::vector<history::HistoryEvent> events;
  for (const auto& [id, boot] : boots) {
    const std::uint64_t start =
        boot.FirstRealtime >= boot.FirstMonotonic ? boot.FirstRealtime - boot.FirstMonotonic : 0;
    events.push_back(Event(history::EventKind::Boot, Seconds(start)));
    if (boot.ShutdownAnnounced) {
      events.push_back(Event(history::EventKind::CleanShutdown, Seconds(boot.LastRealtime)));
    }
  }
  std::vector<const JournalLoginRow*> logins;
  for (const JournalLoginRow& login : rows.Logins) {
    if (!login.User.empty()) {
      logins.push_back(&login);
    }
  }
  const auto key = [](const JournalLoginRow* l) { return std::tie(l->Realtime, l->User); };
  std::sort(logins.begin(), logins.end(),
            [&](const auto* a, const auto* b) { return key(a) < key(b); });
  logins.erase(std::unique(logins.begin(), logins.end(),
                           [&](const auto* a, const auto* b) { return key(a) == key(b); }),
               logins.end());
  for (const JournalLoginRow* login : logins) {
    events.push_back(Event(history::EventKind::Logon, Seconds(login->Realtime)));
    events.back().User = login->User;
  }
  std::vector<const JournalPowerRow*> power;
  for (const JournalPowerRow& row : rows.Power) {
    power.push_back(&row);
  }
  const auto powerKey = [](const JournalPowerRow* r) {
    return std::tie(r->Realtime, r->MessageId, r->Sleep, r->Priority);
  };
  std::sort(power.begin(), power.end(),
            [&](const auto* a, const auto* b) { return powerKey(a) < powerKey(b); });
  power.erase(std::unique(power.begin(), power.end(),
                          [&](const auto* a, const auto* b) { return powerKey(a) == powerKey(b); }),
              power.end());
  for (const JournalPowerRow* row : power) {
    if (std::optional<history::HistoryEvent> event = PowerEvent(*row)) {
      events.push_back(std::move(*event));
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const history::HistoryEvent& a, const history::HistoryEvent& b) {
                     return a.Seconds < b.Seconds;
                   });
  return events;
}

std::vector<FileNote> UnreadFileNotes(std::string_view directory,
                                      std::span<const FileNote> unread) {
  if (unread.size() <= kUnreadFilesNamedEach) {
    return {unread.begin(), unread.end()};
  }
  std::string text = std::to_string(unread.size()) + " journal files not read whole, among them";
  for (std::size_t i = 0; i < kUnreadFilesNamedInCount; ++i) {
    text += (i == 0 ? " " : ", ") + unread[i].Name + " (" + unread[i].Text + ")";
  }
  return {{std::string(directory), std::move(text)}};
}

bool IsJournalFileName(std::string_view name) {
  const std::size_t dot = name.rfind(".journal");
  return dot != std::string_view::npos && dot > 0 &&
         (name.substr(dot) == ".journal" || name.substr(dot) == ".journal~");
}

bool IsMachineDirectoryName(std::string_view name) {
  constexpr std::size_t kIdDigits = 32;
  if (name.size() < kIdDigits || (name.size() > kIdDigits && name[kIdDigits] != '.')) {
    return false;
  }
  return std::all_of(name.begin(), name.begin() + kIdDigits, [](char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

std::optional<std::uint64_t> JournalLengthInHeader(std::span<const std::uint8_t> head) {
  constexpr std::string_view kSignature = "LPKSHHRH";
  constexpr std::size_t kHeaderSizeAt = 88;
  constexpr std::size_t kArenaSizeAt = 96;
  const history::ByteReader reader(head);
  if (!reader.Contains(0, kSignature.size()) ||
      !std::equal(kSignature.begin(), kSignature.end(), head.begin())) {
    return std::nullopt;
  }
  const auto headerSize = reader.Unsigned(kHeaderSizeAt, 8, history::ByteOrder::Little);
  const auto arenaSize = reader.Unsigned(kArenaSizeAt, 8, history::ByteOrder::Little);
  if (!headerSize || !arenaSize || *headerSize > kLongestJournalFile ||
      *arenaSize > kLongestJournalFile - *headerSize) {
    return std::nullopt;
  }
  return *headerSize + *arenaSize;
}

}  // namespace orvanta::sources
