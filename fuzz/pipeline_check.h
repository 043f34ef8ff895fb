#pragma once

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "history/event_history.h"
#include "history/event_log_api.h"
#include "platform/posix/passwd_directory.h"
#include "present/day_report.h"
#include "present/run_export.h"
#include "present/run_refresh.h"
#include "present/run_report.h"
#include "sources/unix_account_api.h"

namespace orvanta::fuzz {

// A fixed user table, so fuzzing never waits for the name service.
class FixedUsers final : public sources::UserDirectory {
 public:
  std::optional<std::uint32_t> UidOf(std::string_view name) override {
    if (name == "root") {
      return 0;
    }
    if (name == "daemon") {
      return 1;
    }
    return std::nullopt;
  }
  std::optional<std::string> NameOf(std::uint32_t uid) override {
    if (uid == 0) {
      return "root";
    }
    if (uid == 1) {
      return "daemon";
    }
    return std::nullopt;
  }
};

// UTC as the zone, so the daily report's split runs without the C library's zone.
inline std::int32_t UtcOffset(std::int64_t) {
  return 0;
}

// Runs the whole refresh on the log (an event log or a history of neutral events) and checks
// what must hold whatever the bytes were.
template <typename Log>
void RefreshAndCheck(Log& log) {
  FixedUsers users;
  sources::UnixAccountApi accounts(users);
  present::RunRefresh refresh;
  refresh.Refresh(log, accounts);
  std::int64_t sum = 0;
  for (const history::RunRecord& run : refresh.Runs) {
    if (run.RunSeconds < 0) {
      std::abort();
    }
    sum += run.RunSeconds;
  }
  if (sum != refresh.TotalRunSeconds ||
      refresh.UiLWMsg.ItemCount() != static_cast<int>(refresh.Runs.size()) ||
      refresh.Series1.Count() > static_cast<int>(refresh.Runs.size())) {
    std::abort();
  }
  const std::string report = present::FormatRunReport(refresh);
  if (report.empty() || report.back() != '\n') {
    std::abort();
  }
  // The exports and the daily report, from the power history built beside the runs.
  const std::string json = present::FormatRunJson(refresh, "f", 0);
  const std::string days =
      present::FormatDayReport(present::ReportFormat::Json, refresh, "f", UtcOffset);
  if (json.back() != '\n' || days.back() != '\n') {
    std::abort();
  }
}

}  // namespace orvanta::fuzz
