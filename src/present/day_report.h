#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/local_zone.h"
#include "history/power_history.h"
#include "present/run_refresh.h"
#include "present/run_report.h"
#include "present/text_out.h"

namespace orvanta::present {

// One local calendar day of the power history.
struct DayRow {
  std::int32_t Year = 1970;
  int Month = 1;
  int Day = 1;
  std::int64_t AwakeSeconds = 0;
  std::optional<std::int64_t> AsleepSeconds;  // none where the log records no sleep
  // Local clock times "hh:mm:ss" of the day's first awake moment and its last ("24:00:00" when
  // still awake at the day's end); empty on a day spent asleep.
  std::string FirstOn;
  std::string LastOff;
  std::int32_t Boots = 0;
  std::int32_t Wakes = 0;
  std::int32_t AttendedWakes = 0;  // wakes after which a person stayed

  friend bool operator==(const DayRow&, const DayRow&) = default;
};

// The days the machine was awake or asleep on, newest first, in the zone's local time, up to
// the history's newest record.
std::vector<DayRow> ComputeDayRows(const history::PowerHistory& power,
                                   const history::ZoneOffset& zone);

// The days as text (a header line and one line per day, fields separated by one tab), CSV
// (RFC 4180, CR LF) or JSON ({"source", "days", "summary"}), each under the keys "date",
// "awake_hours", "asleep_hours", "first_on", "last_off", "boots", "wakes", "attended_wakes";
// hours with two decimals, empty or null where unknown.
void WriteDayReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                    const history::ZoneOffset& zone, TextOut& out);
std::string FormatDayReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                            const history::ZoneOffset& zone);

}  // namespace orvanta::present
