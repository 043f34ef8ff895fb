#include "present/day_report.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "present/export_text.h"

namespace orvanta::present {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

constexpr std::array<std::string_view, 8> kDayKeys = {"date",     "awake_hours",   "asleep_hours",
                                                      "first_on", "last_off",      "boots",
                                                      "wakes",    "attended_wakes"};

// The local clock time of an instant, "hh:mm:ss"; empty where the zone cannot place it.
std::string ClockTime(std::int64_t utc, const history::LocalDayOf& dayOf) {
  const std::optional<history::LocalDay> day = dayOf(utc);
  if (!day) {
    return {};
  }
  const std::int64_t local = utc + day->OffsetSeconds;
  const std::int64_t ofDay = ((local % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay;
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%02d:%02d:%02d", static_cast<int>(ofDay / 3600),
                static_cast<int>(ofDay / 60 % 60), static_cast<int>(ofDay % 60));
  return text.data();
}

// How many of the sorted instants fall in [from, to).
std::int32_t CountIn(const std::vector<std::int64_t>& sorted, std::int64_t from, std::int64_t to) {
  const auto first = std::lower_bound(sorted.begin(), sorted.end(), from);
  return static_cast<std::int32_t>(std::lower_bound(first, sorted.end(), to) - first);
}

DayRow RowOf(const history::DayPieces& day, bool sleepKnown, const history::LocalDayOf& dayOf) {
  DayRow row;
  row.Date = day.Day.Date;
  std::int64_t asleep = 0;
  std::optional<std::int64_t> firstOn;
  std::optional<std::int64_t> lastOff;
  for (const history::PowerSpan& piece : day.Pieces) {
    if (piece.Kind == history::SpanKind::Asleep) {
      asleep += piece.To - piece.From;
      continue;
    }
    row.AwakeSeconds += piece.To - piece.From;
    firstOn = std::min(firstOn.value_or(piece.From), piece.From);
    lastOff = std::max(lastOff.value_or(piece.To), piece.To);
  }
  if (sleepKnown) {
    row.AsleepSeconds = asleep;
  }
  if (firstOn) {
    row.FirstOn = ClockTime(*firstOn, dayOf);
    row.LastOff = *lastOff >= day.Day.End ? std::string("24:00:00") : ClockTime(*lastOff, dayOf);
  }
  return row;
}

std::string DateText(const history::CivilDate& date) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", static_cast<int>(date.Year),
                static_cast<int>(date.Month), static_cast<int>(date.Day));
  return text.data();
}

std::string HoursText(std::int64_t seconds) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.2f", static_cast<double>(seconds) / 3600.0);
  return text.data();
}

// The day's fields in the order of kDayKeys, as plain texts (empty where unknown).
std::array<std::string, 8> FieldsOf(const DayRow& row) {
  return {DateText(row.Date),
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

std::vector<DayRow> ComputeDayRows(const history::PowerHistory& power, std::size_t runCount,
                                   const history::LocalDayOf& dayOf) {
  std::vector<std::int64_t> boots;
  std::vector<std::int64_t> wakes;
  std::vector<std::int64_t> attendedWakes;
  const std::size_t runs = std::min(runCount, power.Runs.size());
  for (std::size_t i = 0; i < runs; ++i) {
    const history::RunPower& run = power.Runs[i];
    if (run.Start) {
      boots.push_back(*run.Start);
    }
    for (const history::SleepPeriod& sleep : run.Sleeps) {
      wakes.push_back(sleep.To);
      if (sleep.Attended == true) {
        attendedWakes.push_back(sleep.To);
      }
    }
  }
  for (std::vector<std::int64_t>* instants : {&boots, &wakes, &attendedWakes}) {
    std::sort(instants->begin(), instants->end());
  }
  const std::vector<history::DayPieces> days =
      history::SplitByDay(history::PowerSpans(power), dayOf);
  std::vector<DayRow> rows;
  rows.reserve(days.size());
  for (auto day = days.rbegin(); day != days.rend(); ++day) {
    DayRow row = RowOf(*day, power.SleepKnown, dayOf);
    row.Boots = CountIn(boots, day->Day.Start, day->Day.End);
    row.Wakes = CountIn(wakes, day->Day.Start, day->Day.End);
    row.AttendedWakes = CountIn(attendedWakes, day->Day.Start, day->Day.End);
    rows.push_back(std::move(row));
  }
  return rows;
}

void WriteDayReport(ReportFormat format, const RunRefresh& refresh, std::string_view source,
                    const history::LocalDayOf& dayOf, TextOut& out) {
  const std::vector<DayRow> rows = ComputeDayRows(refresh.Power, refresh.Runs.size(), dayOf);
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
                            const history::LocalDayOf& dayOf) {
  return CollectText([&](TextOut& out) { WriteDayReport(format, refresh, source, dayOf, out); });
}

}  // namespace orvanta::present
