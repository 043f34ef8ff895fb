#include "sources/journal_rows.h"

#include <algorithm>
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

}  // namespace

std::vector<HistoryEvent> JournalEvents(const JournalRows& rows) {
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
  std::vector<HistoryEvent> events;
  for (const auto& [id, boot] : boots) {
    const std::uint64_t start =
        boot.FirstRealtime >= boot.FirstMonotonic ? boot.FirstRealtime - boot.FirstMonotonic : 0;
    events.push_back({HistoryEventKind::Boot, Seconds(start), {}});
    if (boot.ShutdownAnnounced) {
      events.push_back({HistoryEventKind::CleanShutdown, Seconds(boot.LastRealtime), {}});
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
    events.push_back({HistoryEventKind::Login, Seconds(login->Realtime), login->User});
  }
  std::stable_sort(events.begin(), events.end(), [](const HistoryEvent& a, const HistoryEvent& b) {
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
