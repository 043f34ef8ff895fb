#include "history/runs.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
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

void ApplyLogon(RunList& runs, DateTime t, std::string_view name) {
  if (IsIgnoredAccount(name)) {
    return;
  }
  // A boot later than the event means the event belongs to an earlier run.
  const bool append = !runs.empty() && IsTimeSet(runs.back().BootTime) && runs.back().BootTime > t;
  LastRunOrAppend(runs, append).UserName.assign(name);
}

// Event times are held to the unsigned 32-bit range of event log records.
std::uint32_t RecordSeconds(std::int64_t seconds) {
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(seconds, 0, UINT32_MAX));
}

// Sets name to the logon's account (into its room: a log has a logon for every run).
void LogonName(std::string_view user, std::span<const std::uint8_t> sid, AccountApi& accounts,
               const LogAccountNames& logNames, std::string& name) {
  if (!user.empty()) {
    name.assign(BoundedAccountView(user));
    return;
  }
  name = LookupSidAccount(accounts, sid);
  if (name == kNoAccountName && !sid.empty()) {
    if (std::optional<std::string> logged = logNames.Find(sid)) {
      name.assign(BoundedAccountView(*logged));
    }
  }
}

// A resume from hibernation that no record of going to sleep precedes began after the last
// record written before it, at least this long before it (the boot's own records come first).
constexpr std::int64_t kHibernationGapSeconds = 120;

// SIDs of logons that nothing named when read, kept up to this many: a shutdown request read
// later that names one of them makes the history be read again with every name known.
constexpr std::size_t kMaxUnnamedSids = 4096;

// A boot's type is told at most this long before its boot event.
constexpr std::int64_t kBootMarkSeconds = 300;

// One reading of a history folded into the runs, gathering the power history's events.
class HistoryFold {
 public:
  HistoryFold(RunList& runs, AccountApi& accounts, LogAccountNames names, bool power)
      : m_runs(runs), m_accounts(accounts), m_names(std::move(names)), m_power(power) {}

  void Add(const HistoryEvent& event);

  // A logon's SID was left unnamed that a request read after it names.
  bool NamedTooLate() const { return m_namedTooLate; }
  const LogAccountNames& Names() const { return m_names; }
  PowerEvents TakePower() { return std::move(m_gathered); }

 private:
  void AddRunEvent(const HistoryEvent& event);
  void NoteRecordTime(std::int64_t seconds);
  void NoteBootMark(std::int64_t seconds);

  RunList& m_runs;
  AccountApi& m_accounts;
  LogAccountNames m_names;
  bool m_power = false;
  PowerEvents m_gathered;
  std::string m_logonName;          // the name of the logon being folded
  std::set<std::string> m_unnamed;  // SID bytes
  bool m_unnamedOverflow = false;
  bool m_namedTooLate = false;
  std::optional<std::int64_t> m_lastBoot;  // the time of the boot read last
  // Records from this time on, read after the boot's own first record, are that boot's.
  std::optional<std::int64_t> m_bootRecordsFrom;
  std::optional<std::int64_t> m_latestSinceBoot;    // the latest record read since the last boot
  std::optional<std::size_t> m_openHibernationEnd;  // index into m_gathered.Events
};

// A boot writes records of its own before its boot event, beginning with the one that tells
// its type; they are not the earlier run's last signs of life.
void HistoryFold::NoteBootMark(std::int64_t seconds) {
  if (m_lastBoot && *m_lastBoot >= seconds && *m_lastBoot - seconds <= kBootMarkSeconds) {
    m_latestSinceBoot.reset();
    m_bootRecordsFrom = seconds;
  }
}

void HistoryFold::NoteRecordTime(std::int64_t seconds) {
  if (!m_bootRecordsFrom || seconds < *m_bootRecordsFrom) {
    m_latestSinceBoot = std::max(m_latestSinceBoot.value_or(seconds), seconds);
  }
  if (m_openHibernationEnd) {
    HistoryEvent& end = m_gathered.Events[*m_openHibernationEnd];
    if (seconds < end.Seconds - kHibernationGapSeconds) {
      end.OtherSeconds = seconds;
      m_openHibernationEnd.reset();
    }
  }
}

void HistoryFold::AddRunEvent(const HistoryEvent& event) {
  const std::uint32_t seconds = RecordSeconds(event.Seconds);
  const DateTime t = EventTimeToDateTime(seconds);
  if (event.Kind == EventKind::Logon) {
    std::string& name = m_logonName;
    LogonName(event.User, event.Sid, m_accounts, m_names, name);
    if (name == kNoAccountName && !event.Sid.empty() && !m_unnamedOverflow) {
      m_unnamed.emplace(event.Sid.begin(), event.Sid.end());
      m_unnamedOverflow = m_unnamed.size() >= kMaxUnnamedSids;
    }
    ApplyLogon(m_runs, t, name);
  } else if (event.Kind == EventKind::Boot) {
    ApplyBoot(m_runs, t);
  } else {
    ApplyShutdown(m_runs, t);
  }
  if (!m_power) {
    return;
  }
  std::vector<RunBounds>& bounds = m_gathered.Runs;
  bounds.resize(m_runs.size());
  if (event.Kind == EventKind::Boot) {
    bounds.back().Boot = seconds;
    bounds.back().Type = event.Boot;
    bounds.back().LastSign = m_latestSinceBoot;
    m_latestSinceBoot.reset();
    m_lastBoot = seconds;
    m_bootRecordsFrom.reset();
  } else if (event.Kind == EventKind::CleanShutdown) {
    bounds.back().Shutdown = seconds;
  }
}

void HistoryFold::Add(const HistoryEvent& event) {
  PowerEvents& out = m_gathered;
  out.HistoryTo = std::max(out.HistoryTo.value_or(event.Seconds), event.Seconds);
  out.HistoryFrom = std::min(out.HistoryFrom.value_or(event.Seconds), event.Seconds);
  if (m_power) {
    NoteRecordTime(event.Seconds);
    if (event.Kind == EventKind::BootTypeReport) {
      NoteBootMark(event.Seconds);
    }
  }
  switch (event.Kind) {
    case EventKind::Boot:
    case EventKind::CleanShutdown:
    case EventKind::Logon:
      AddRunEvent(event);
      return;
    case EventKind::ShutdownRequest:
      m_names.Add(event.Sid, event.Shutdown.User);
      m_namedTooLate = m_namedTooLate ||
                       ((m_unnamedOverflow ||
                         m_unnamed.contains(std::string(event.Sid.begin(), event.Sid.end()))) &&
                        m_names.Find(event.Sid));
      break;
    case EventKind::LastSignOfLife:
      return;
    default:
      break;
  }
  if (m_power) {
    out.Events.push_back(event);
    const HistoryEvent& kept = out.Events.back();
    if (kept.Kind == EventKind::BootTypeReport && !kept.OtherSeconds &&
        kept.Boot != BootType::Cold && kept.Boot != BootType::Unknown) {
      m_openHibernationEnd = out.Events.size() - 1;
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
    case EventKind::Logon: {
      std::string name;
      LogonName(event.User, event.Sid, accounts, logNames, name);
      ApplyLogon(runs, t, name);
      break;
    }
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
  LogAccountNames names;
  std::optional<HistoryFold> fold;
  // A second reading only when a name read late was needed early: memory holds no events of
  // runs, however long the log.
  for (int reading = 0; reading < 2; ++reading) {
    runs.clear();
    fold.emplace(runs, accounts, std::move(names), power != nullptr);
    history.Read([&](const HistoryEvent& event) { fold->Add(event); });
    if (!fold->NamedTooLate()) {
      break;
    }
    names = fold->Names();
  }
  PowerEvents gathered = fold->TakePower();
  // Compared as seconds: the records of a damaged file need not come newest first.
  newestRecord = gathered.HistoryTo ? EventTimeToDateTime(RecordSeconds(*gathered.HistoryTo)) : 0;
  if (power) {
    gathered.Runs.resize(runs.size());
    gathered.SleepKnown = history.SleepKnown();
    *power = BuildPowerHistory(std::move(gathered));
  }
}

}  // namespace orvanta::history
