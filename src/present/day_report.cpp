#include "present/day_report.h"

#include <array>
#include <cstdio>
#include <map>

#include "history/timeline_days.h"
#include "present/export_text.h"

namespace orvanta::present {
namespace {

constexpr std::array<std::string_view, 8> kDayKeys = {"date",     "awake_hours",   "asleep_hours",
                                                      "first_on", "last_off",      "boots",
                                                      "wakes",    "attended_wakes"};

// Wall-clock seconds after midnight as "hh:mm:ss" (86400 is "24:00:00").
std::string ClockText(std::int32_t wall) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", static_cast<int>(wall / 3600),
                static_cast<int>(wall / 60 % 60), static_cast<int>(wall % 60));
  return text.data();
}

// A local date as one number, yyyymmdd.
std::int64_t DateKey(std::int64_t year, int month, int day) {
  return year * 10000 + month * 100 + day;
}

DayRow RowOf(const history::TimelineDay& day, bool sleepKnown) {
  DayRow row;
  row.Year = day.Year;
  row.Month = day.Month;
  row.Day = day.Day;
  row.AwakeSeconds = day.AwakeSeconds;
  if (sleepKnown) {
    row.AsleepSeconds = day.AsleepSeconds;
  }
  if (day.FirstOn && day.LastOff) {
    row.FirstOn = ClockText(*day.FirstOn);
    row.LastOff = ClockText(*day.LastOff);
  }
  return row;
}

std::string DateText(const DayRow& row) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", static_cast<int>(row.Year), row.Month,
                row.Day);
  return text.data();
}

std::string HoursText(std::int64_t seconds) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.2f", static_cast<double>(seconds) / 3600.0);
  return text.data();
}

// The day's fields in the order of kDayKeys, as plain texts (empty where unknown).
std::array<std::string, 8> FieldsOf(const DayRow& row) {
  return {DateText(row),
          HoursText(row.AwakeSeconds),
          row.AsleepSeconds ? HoursText(*row.AsleepSeconds) : std::string(),
          row.FirstOn,
          row.LastOff,
          std::to_string(row.Boots),
          std::to_string(row.Wakes),
          std::to_string(row.AttendedWakes)};
}

// Which fields are JSON numbers rather than strings.
constexpr std::array<bool, 8> kNumericField = {false, true, true, false, false, true, true, true};

void AppendJsonDay(std::string& out, const DayRow& row) {
  const std::array<std::string, 8> fields = FieldsOf(row);
  out += '{';
  for (std::size_t i = 0; i < fields.size(); ++i) {
    out += i == 0 ? "" : ", ";
    out += JsonString(kDayKeys[i]);
    out += ": ";
    out += fields[i].empty()  ? std::string("null")
           : kNumericField[i] ? fields[i]
                              : JsonString(fields[i]);
  }
  out += '}';
}

// Appends the fields separated by `separator`, ended by `lineEnd`.
template <typename Fields>
void AppendLine(std::string& out, const Fields& fields, char separator, std::string_view lineEnd) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) {
      out += separator;
    }
    out += fields[i];
  }
  out += lineEnd;
}

}  // namespace

std::vector<DayRow> ComputeDayRows(const history::PowerHistory& power,
                                   const history::ZoneOffset& zone) {
  const std::int64_t until = power.HistoryTo.value_or(power.HistoryFrom.value_or(0));
  const history::TimelineRows days = history::BuildTimelineDays(power, until, zone);
  std::vector<DayRow> rows;
  std::map<std::int64_t, std::size_t> rowOfDate;
  for (const history::TimelineDay& day : days.Days) {
    if (day.AwakeSeconds > 0 || day.AsleepSeconds > 0) {
      rowOfDate.emplace(DateKey(day.Year, day.Month, day.Day), rows.size());
      rows.push_back(RowOf(day, power.SleepKnown));
    }
  }
  // Boots and wakes count on the day they fall on, when the machine was up or asleep then.
  const auto countOn = [&](std::int64_t at, std::int32_t DayRow::*count) {
    const history::LocalFields local = history::ToLocalFields(at, zone);
    const auto row = rowOfDate.find(DateKey(local.Year, local.Month, local.Day));
    if (row != rowOfDate.end()) {
      ++(rows[row->second].*count);
    }
  };
  for (const history::RunPower& run : power.Runs) {
    if (run.Start) {
      countOn(*run.Start, &DayRow::Boots);
    }
    for (const history::SleepPeriod& sleep : run.Sleeps) {
      countOn(sleep.To, &DayRow::Wakes);
      if (sleep.Attended == true) {
        countOn(sleep.To, &DayRow::AttendedWakes);
      }
    }
  }
  return rows;
}

void WriteDayReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                    const history::ZoneOffset& zone, TextOut& out) {
  const std::vector<DayRow> rows = ComputeDayRows(refresh.Power, zone);
  std::string& text = out.Buffer();
  if (format != ReportFormat::Json) {
    const char separator = format == ReportFormat::Csv ? ',' : '\t';
    const std::string_view lineEnd = format == ReportFormat::Csv ? "\r\n" : "\n";
    AppendLine(text, kDayKeys, separator, lineEnd);
    for (const DayRow& row : rows) {
      // No field holds a separator, a quote or a line end: dates, numbers and clock times.
      AppendLine(text, FieldsOf(row), separator, lineEnd);
      out.EndRow();
    }
    return;
  }
  text += "{\n  \"source\": ";
  text += JsonString(source);
  text += ",\n  \"days\": [";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    text += i == 0 ? "\n    " : ",\n    ";
    AppendJsonDay(text, rows[i]);
    out.EndRow();
  }
  text += rows.empty() ? "]" : "\n  ]";
  text += ",\n  \"summary\": {\"sleep_known\": ";
  text += refresh.Power.SleepKnown ? "true" : "false";
  text += "}\n}\n";
}

std::string FormatDayReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                            const history::ZoneOffset& zone) {
  return CollectText([&](TextOut& out) { WriteDayReport(format, refresh, source, zone, out); });
}

}  // namespace orvanta::present
