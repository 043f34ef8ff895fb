#include "history/runs.h"

#include <algorithm>
#include <optional>

#include "history/account_lookup.h"
#include "history/event_log_reader.h"
#include "history/local_time.h"

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

void ApplyServiceControl(RunList& runs, const EventRecordView& record, AccountApi& accounts) {
  std::string name = LookupEventAccount(accounts, record);
  if (IsIgnoredAccount(name)) {
    return;
  }
  const DateTime t = EventTimeToDateTime(record.TimeGenerated());
  // A boot later than the event means the event belongs to an earlier run.
  const bool append = !runs.empty() && IsTimeSet(runs.back().BootTime) && runs.back().BootTime > t;
  LastRunOrAppend(runs, append).UserName = std::move(name);
}

}  // namespace

void ApplyEvent(RunList& runs, const EventRecordView& record, AccountApi& accounts) {
  switch (record.EventCode()) {
    case kEventBoot:
      ApplyBoot(runs, EventTimeToDateTime(record.TimeGenerated()));
      break;
    case kEventCleanShutdown:
      ApplyShutdown(runs, EventTimeToDateTime(record.TimeGenerated()));
      break;
    case kEventServiceControl:
      ApplyServiceControl(runs, record, accounts);
      break;
    default:
      break;
  }
}

void RebuildRuns(RunList& runs, EventLogApi& log, AccountApi& accounts) {
  DateTime newestRecord = 0;
  RebuildRuns(runs, log, accounts, newestRecord);
}

void RebuildRuns(RunList& runs, EventLogApi& log, AccountApi& accounts, DateTime& newestRecord) {
  runs.clear();
  // Compared as seconds: the records of a damaged file need not come newest first.
  std::optional<std::uint32_t> newest;
  ReadSystemLog(log, [&](std::span<const std::uint8_t> bytes) {
    if (std::optional<EventRecordView> record = EventRecordView::Parse(bytes)) {
      ApplyEvent(runs, *record, accounts);
      newest = std::max(newest.value_or(0), record->TimeGenerated());
    }
  });
  newestRecord = newest ? EventTimeToDateTime(*newest) : 0;
}

}  // namespace orvanta::history
