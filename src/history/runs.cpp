#include "history/runs.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>

#include "history/account_lookup.h"
#include "history/event_log_reader.h"
#include "history/event_record_history.h"
#include "history/local_time.h"
#include "history/power_history_builder.h"

namespace orvanta::history {
namespace {

RunRecord& LastRunOrAppend(RunList& runs, bool append) {
  if (runs.empty() || append) {
    runs.emplace_back();
  }
  return runs.back();
}

void ApplyBoot(RunList& runs, DateTime t) {
  const bool append = !runs.empty() && IsTimeSet(runs.back().BootTime);
  LastRunOrAppend(runs, append).BootTime = t;
}

void ApplyShutdown(RunList& runs, DateTime t) {
  const bool append =
      !runs.empty() && (IsTimeSet(runs.back().ShutdownTime) || IsTimeSet(runs.back().BootTime));
  LastRunOrAppend(runs, append).ShutdownTime = t;
}

void ApplyLogon(RunList& runs, DateTime t, std::string name) {
  if (IsIgnoredAccount(name)) {
    return;
  }
  // A boot later than the event means the event belongs to an earlier run.
  const bool append = !runs.empty() && IsTimeSet(runs.back().BootTime) && runs.back().BootTime > t;
  LastRunOrAppend(runs, append).UserName = std::move(name);
}

// Event times are held to the unsigned 32-bit range of event log records.
std::uint32_t RecordSeconds(std::int64_t seconds) {
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(seconds, 0, UINT32_MAX));
}

std::string LogonName(std::string_view user, std::span<const std::uint8_t> sid,
                      AccountApi& accounts, const LogAccountNames& logNames) {
  if (!user.empty()) {
    return BoundedAccountName(std::string(user));
  }
  std::string name = LookupSidAccount(accounts, sid);
  if (name == kNoAccountName && !sid.empty()) {
    if (std::optional<std::string> logged = logNames.Find(sid)) {
      return BoundedAccountName(std::move(*logged));
    }
  }
  return name;
}

// A boot, clean shutdown or logon kept for the fold after the reading.
struct RunEvent {
  std::int64_t Seconds = 0;
  std::uint32_t Account = 0;  // index of the logon's account
  EventKind Kind = EventKind::Boot;
  BootType Boot = BootType::Unknown;
};

// The accounts of the logons, each kept once.
class LogonAccounts {
 public:
  std::uint32_t Intern(const HistoryEvent& event) {
    std::string key = event.User;
    key.push_back('\0');
    key.append(event.Sid.begin(), event.Sid.end());
    const auto [found, added] = m_index.try_emplace(std::move(key), m_accounts.size());
    if (added) {
      m_accounts.emplace_back(event.User, event.Sid);
    }
    return found->second;
  }
  const std::pair<std::string, std::vector<std::uint8_t>>& At(std::uint32_t index) const {
    return m_accounts[index];
  }

 private:
  std::unordered_map<std::string, std::uint32_t> m_index;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> m_accounts;
};

// A resume from hibernation that no record of going to sleep precedes began after the last
// record written before it, at least this long before it (the boot's own records come first).
constexpr std::int64_t kHibernationGapSeconds = 120;

// What one reading of a history gathers.
struct Gathered {
  std::vector<RunEvent> RunEvents;  // newest first
  LogonAccounts Accounts;
  LogAccountNames LogNames;
  PowerEvents Power;
  std::vector<std::optional<std::int64_t>> LastSigns;  // by boots read before the record
  std::optional<std::size_t> OpenHibernationEnd;       // index into Power.Events
};

void Gather(Gathered& gathered, const HistoryEvent& event, bool power) {
  PowerEvents& out = gathered.Power;
  out.HistoryTo = std::max(out.HistoryTo.value_or(event.Seconds), event.Seconds);
  out.HistoryFrom = std::min(out.HistoryFrom.value_or(event.Seconds), event.Seconds);
  if (power) {
    const std::size_t boots = gathered.LastSigns.size() - 1;
    gathered.LastSigns[boots] =
        std::max(gathered.LastSigns[boots].value_or(event.Seconds), event.Seconds);
    if (gathered.OpenHibernationEnd) {
      HistoryEvent& end = out.Events[*gathered.OpenHibernationEnd];
      if (event.Seconds < end.Seconds - kHibernationGapSeconds) {
        end.OtherSeconds = event.Seconds;
        gathered.OpenHibernationEnd.reset();
      }
    }
  }
  switch (event.Kind) {
    case EventKind::Boot:
      gathered.RunEvents.push_back({event.Seconds, 0, event.Kind, event.Boot});
      gathered.LastSigns.emplace_back();
      return;
    case EventKind::CleanShutdown:
      gathered.RunEvents.push_back({event.Seconds, 0, event.Kind, event.Boot});
      return;
    case EventKind::Logon:
      gathered.RunEvents.push_back(
          {event.Seconds, gathered.Accounts.Intern(event), event.Kind, event.Boot});
      return;
    case EventKind::ShutdownRequest:
      gathered.LogNames.Add(event.Sid, event.Shutdown.User);
      break;
    case EventKind::LastSignOfLife:
      return;
    default:
      break;
  }
  if (power) {
    out.Events.push_back(event);
    HistoryEvent& kept = out.Events.back();
    if (kept.Kind == EventKind::BootTypeReport && !kept.OtherSeconds &&
        kept.Boot != BootType::Cold && kept.Boot != BootType::Unknown) {
      gathered.OpenHibernationEnd = out.Events.size() - 1;
    }
  }
}

}  // namespace

void ApplyEvent(RunList& runs, const HistoryEvent& event, AccountApi& accounts,
                const LogAccountNames& logNames) {
  const DateTime t = EventTimeToDateTime(RecordSeconds(event.Seconds));
  switch (event.Kind) {
    case EventKind::Boot:
      ApplyBoot(runs, t);
      break;
    case EventKind::CleanShutdown:
      ApplyShutdown(runs, t);
      break;
    case EventKind::Logon:
      ApplyLogon(runs, t, LogonName(event.User, event.Sid, accounts, logNames));
      break;
    default:
      break;
  }
}

void ApplyEvent(RunList& runs, const EventRecordView& record, AccountApi& accounts) {
  ApplyEvent(runs, EventFromRecord(record), accounts, LogAccountNames());
}

void RebuildRuns(RunList& runs, EventLogApi& log, AccountApi& accounts) {
  DateTime newestRecord = 0;
  RebuildRuns(runs, log, accounts, newestRecord);
}

void RebuildRuns(RunList& runs, EventLogApi& log, AccountApi& accounts, DateTime& newestRecord) {
  EventRecordHistory history(log);
  RebuildRuns(runs, history, accounts, newestRecord);
}

void RebuildRuns(RunList& runs, EventHistory& history, AccountApi& accounts, DateTime& newestRecord,
                 PowerHistory* power) {
  runs.clear();
  Gathered gathered;
  gathered.LastSigns.emplace_back();
  const bool wantPower = power != nullptr;
  history.Read([&](const HistoryEvent& event) { Gather(gathered, event, wantPower); });

  // Compared as seconds: the records of a damaged file need not come newest first.
  const std::optional<std::int64_t> newest = gathered.Power.HistoryTo;
  newestRecord = newest ? EventTimeToDateTime(RecordSeconds(*newest)) : 0;

  std::vector<RunBounds>& bounds = gathered.Power.Runs;
  std::size_t boots = 0;
  for (const RunEvent& event : gathered.RunEvents) {
    const std::uint32_t seconds = RecordSeconds(event.Seconds);
    const DateTime t = EventTimeToDateTime(seconds);
    if (event.Kind == EventKind::Logon) {
      const auto& [user, sid] = gathered.Accounts.At(event.Account);
      ApplyLogon(runs, t, LogonName(user, sid, accounts, gathered.LogNames));
    } else if (event.Kind == EventKind::Boot) {
      ApplyBoot(runs, t);
    } else {
      ApplyShutdown(runs, t);
    }
    if (!wantPower) {
      continue;
    }
    bounds.resize(runs.size());
    if (event.Kind == EventKind::Boot) {
      bounds.back().Boot = seconds;
      bounds.back().Type = event.Boot;
      bounds.back().LastSign = gathered.LastSigns[boots++];
    } else if (event.Kind == EventKind::CleanShutdown) {
      bounds.back().Shutdown = seconds;
    }
  }
  if (wantPower) {
    bounds.resize(runs.size());
    gathered.Power.SleepKnown = history.SleepKnown();
    *power = BuildPowerHistory(std::move(gathered.Power));
  }
}

}  // namespace orvanta::history
