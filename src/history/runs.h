#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "history/account_api.h"
#include "history/date_time.h"
#include "history/event_history.h"
#include "history/event_log_api.h"
#include "history/event_record.h"
#include "history/log_account_names.h"
#include "history/power_history.h"

namespace orvanta::history {

// The three event codes that build runs.
inline constexpr std::uint16_t kEventBoot = 6005;
inline constexpr std::uint16_t kEventCleanShutdown = 6006;
inline constexpr std::uint16_t kEventServiceControl = 7035;

// One run of the computer, from a boot to the clean shutdown that ended it. Times are local;
// 0 holds none. RunSeconds and InfoText are completed by the run list.
struct RunRecord {
  DateTime BootTime = 0;
  DateTime ShutdownTime = 0;
  std::int32_t RunSeconds = 0;
  std::string InfoText;
  std::string UserName;

  friend bool operator==(const RunRecord&, const RunRecord&) = default;
};

// The runs, newest at index 0; new runs are appended at the end (the oldest found so far).
using RunList = std::vector<RunRecord>;

// Folds one event, read newest first, into the runs: a boot sets the last run's boot, a clean
// shutdown its shutdown, a logon its user unless the account is ignored; a time already taken
// starts a new run. A logon names its user by the name the log records, else by its SID in the
// account database, else by the name the log itself pairs with that SID. Other kinds change
// nothing.
void ApplyEvent(RunList& runs, const HistoryEvent& event, AccountApi& accounts,
                const LogAccountNames& logNames);

// Folds one record, read newest first, into the runs: 6005 sets the last run's boot, 6006 its
// shutdown, 7035 its user unless the account is ignored; a time already taken starts a new
// run. Other codes, and bytes that are no record, change nothing.
void ApplyEvent(RunList& runs, const EventRecordView& record, AccountApi& accounts);

// Empties the runs, then reads the whole log into them with ApplyEvent.
void RebuildRuns(RunList& runs, EventLogApi& log, AccountApi& accounts);
// The same, and sets newestRecord to the latest local time of any record read (0 for none):
// how far a saved log reaches.
void RebuildRuns(RunList& runs, EventLogApi& log, AccountApi& accounts, DateTime& newestRecord);
// The same for any history; with power set, builds the power history of the same events
// beside the runs.
void RebuildRuns(RunList& runs, EventHistory& history, AccountApi& accounts, DateTime& newestRecord,
                 PowerHistory* power = nullptr);

}  // namespace orvanta::history
