#include "present/run_export.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "present/export_text.h"
#include "present/run_statistics.h"

namespace orvanta::present {
namespace {

// Indexed by RunState.
constexpr std::array<std::string_view, 4> kStateNames = {"running", "clean", "abnormal", "no-boot"};
// Indexed by history::BootType; empty for an unknown type.
constexpr std::array<std::string_view, 4> kBootTypeNames = {"", "cold", "hybrid", "resume"};
// Indexed by history::RunEnd.
constexpr std::array<std::string_view, 4> kRunEndNames = {"clean", "reported", "last-sign",
                                                          "running"};
// Indexed by history::SleepKind; empty for an unknown kind.
constexpr std::array<std::string_view, 6> kSleepKindNames = {
    "", "sleep", "hibernate", "hybrid-sleep", "suspend-then-hibernate", "modern-standby"};

template <std::size_t N, typename Enum>
std::string_view NameOf(const std::array<std::string_view, N>& names, Enum value) {
  const auto index = static_cast<std::size_t>(value);
  return index < N ? names[index] : std::string_view();
}

// A text as a JSON string, or null when it is empty.
std::string JsonText(std::string_view text) {
  return text.empty() ? std::string("null") : JsonString(text);
}

std::string JsonNumber(const std::optional<std::int64_t>& value) {
  return value ? std::to_string(*value) : std::string("null");
}

std::string JsonBool(const std::optional<bool>& value) {
  return value ? std::string(*value ? "true" : "false") : std::string("null");
}

std::string CsvNumber(const std::optional<std::int64_t>& value) {
  return value ? std::to_string(*value) : std::string();
}

// A JSON member: its key and its value as JSON text.
struct Member {
  std::string_view Key;
  std::string Value;
};

void AppendObject(std::string& out, std::initializer_list<Member> members) {
  out += '{';
  const char* separator = "";
  for (const Member& member : members) {
    out += separator;
    out += JsonString(member.Key);
    out += ": ";
    out += member.Value;
    separator = ", ";
  }
  out += '}';
}

std::string ObjectText(std::initializer_list<Member> members) {
  std::string out;
  AppendObject(out, members);
  return out;
}

// The power history's entry of a run, none where the refresh built no power history.
const history::RunPower* PowerOf(const RunRefresh& refresh, std::size_t index) {
  return index < refresh.Power.Runs.size() ? &refresh.Power.Runs[index] : nullptr;
}

std::string ShutdownJson(const history::ShutdownDetails& shutdown) {
  if (shutdown.Empty() && shutdown.ReasonCode.empty()) {
    return "null";
  }
  return ObjectText({{"initiator", JsonText(shutdown.Initiator)},
                     {"user", JsonText(shutdown.User)},
                     {"reason", JsonText(shutdown.Reason)},
                     {"reason_code", JsonText(shutdown.ReasonCode)},
                     {"kind", JsonText(shutdown.Kind)}});
}

std::string SleepsJson(const std::vector<history::SleepPeriod>& sleeps, std::int32_t biasMinutes) {
  std::string out = "[";
  for (const history::SleepPeriod& sleep : sleeps) {
    out += out.size() > 1 ? ", " : "";
    AppendObject(out, {{"from", JsonText(FormatIsoSeconds(sleep.From, biasMinutes))},
                       {"to", JsonText(FormatIsoSeconds(sleep.To, biasMinutes))},
                       {"kind", JsonText(NameOf(kSleepKindNames, sleep.Kind))},
                       {"wake_source", JsonText(sleep.WakeSource)},
                       {"attended", JsonBool(sleep.Attended)}});
  }
  return out += ']';
}

std::string JsonSeconds(const std::optional<std::int64_t>& seconds, std::int32_t biasMinutes) {
  return seconds ? JsonText(FormatIsoSeconds(*seconds, biasMinutes)) : std::string("null");
}

}  // namespace

std::string FormatIsoLocalTime(history::DateTime local, std::int32_t biasMinutes) {
  std::string text = history::IsTimeSet(local) ? history::FormatDateTime(local) : std::string();
  if (text.empty()) {
    return text;
  }
  text[10] = 'T';
  const long minutes = std::labs(static_cast<long>(biasMinutes));
  std::array<char, 16> offset{};
  std::snprintf(offset.data(), offset.size(), "%c%02ld:%02ld", biasMinutes < 0 ? '-' : '+',
                minutes / 60, minutes % 60);
  return text.append(offset.data());
}

std::string FormatIsoSeconds(std::int64_t seconds, std::int32_t biasMinutes) {
  // Summed as the runs' times are: the day of 1970-01-01, the seconds and the offset as days.
  const history::DateTime local = history::kUnixEpochDateTime +
                                  static_cast<double>(seconds) / 86400.0 +
                                  static_cast<double>(biasMinutes) / 1440.0;
  return FormatIsoLocalTime(local, biasMinutes);
}

std::string_view RunStateName(RunState state) {
  return kStateNames[static_cast<std::size_t>(state)];
}

std::size_t ExportRowCount(const RunRefresh& refresh) {
  return refresh.Runs.size();
}

ExportRow ExportRowAt(const RunRefresh& refresh, std::size_t index, std::int32_t biasMinutes) {
  const history::RunRecord& run = refresh.Runs[index];
  RunRowTexts texts = RowTextsOf(run, refresh.Texts());
  ExportRow row;
  row.Boot = FormatIsoLocalTime(run.BootTime, biasMinutes);
  row.Shutdown = FormatIsoLocalTime(run.ShutdownTime, biasMinutes);
  row.RunSeconds = run.RunSeconds;
  row.RunLength = std::move(texts.Length);
  row.User = std::move(texts.User);
  row.State = StateOfRun(run, index);
  row.Status = std::move(texts.Status);
  if (const history::RunPower* power = PowerOf(refresh, index)) {
    row.AwakeSeconds = power->AwakeSeconds;
    row.AsleepSeconds = power->AsleepSeconds;
    row.BootType = NameOf(kBootTypeNames, power->Boot);
    row.End = NameOf(kRunEndNames, power->EndFoundBy);
    row.EndTime = power->End ? FormatIsoSeconds(*power->End, biasMinutes) : std::string();
  }
  return row;
}

std::vector<ExportRow> ExportRows(const RunRefresh& refresh, std::int32_t biasMinutes) {
  std::vector<ExportRow> rows;
  const std::size_t count = ExportRowCount(refresh);
  rows.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    rows.push_back(ExportRowAt(refresh, i, biasMinutes));
  }
  return rows;
}

namespace {

void WriteCsv(const RunRefresh& refresh, std::int32_t biasMinutes, const CsvLogColumns* log,
              TextOut& out) {
  std::string& text = out.Buffer();
  text +=
      "boot,shutdown,run_seconds,run_length,user,state,status,awake_seconds,asleep_seconds,"
      "boot_type,end,end_time";
  std::string logFields;
  if (log) {
    text += ",source,host";
    logFields += CsvField(log->Source);
    logFields += ',';
    logFields += CsvField(log->Host);
    logFields += ',';
  }
  text += "\r\n";
  out.WriteRows(ExportRowCount(refresh), [&](std::size_t i, std::string& line) {
    const ExportRow row = ExportRowAt(refresh, i, biasMinutes);
    for (const std::string& field :
         {row.Boot, row.Shutdown, std::to_string(row.RunSeconds), CsvField(row.RunLength),
          CsvField(row.User), std::string(RunStateName(row.State)), CsvField(row.Status),
          CsvNumber(row.AwakeSeconds), CsvNumber(row.AsleepSeconds), std::string(row.BootType),
          std::string(row.End), row.EndTime}) {
      line += field;
      line += ',';
    }
    line += logFields;
    line.back() = '\r';
    line += '\n';
  });
}

}  // namespace

void WriteRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes, TextOut& out) {
  WriteCsv(refresh, biasMinutes, nullptr, out);
}

std::string FormatRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes,
                         const CsvLogColumns& log) {
  return CollectText([&](TextOut& out) { WriteCsv(refresh, biasMinutes, &log, out); });
}

std::string FormatRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes) {
  return CollectText([&](TextOut& out) { WriteRunCsv(refresh, biasMinutes, out); });
}

void WriteRunJson(const RunRefresh& refresh, std::string_view source, std::int32_t biasMinutes,
                  TextOut& out) {
  std::string& text = out.Buffer();
  text += "{\n  \"source\": ";
  text += JsonString(source);
  text += ",\n  \"runs\": [";
  const std::size_t count = ExportRowCount(refresh);
  out.WriteRows(count, [&](std::size_t i, std::string& line) {
    const ExportRow row = ExportRowAt(refresh, i, biasMinutes);
    const history::RunPower* power = PowerOf(refresh, i);
    line += i == 0 ? "\n    " : ",\n    ";
    AppendObject(line, {{"boot", JsonText(row.Boot)},
                        {"shutdown", JsonText(row.Shutdown)},
                        {"run_seconds", std::to_string(row.RunSeconds)},
                        {"run_length", JsonString(row.RunLength)},
                        {"user", JsonString(row.User)},
                        {"state", JsonString(RunStateName(row.State))},
                        {"status", JsonString(row.Status)},
                        {"awake_seconds", JsonNumber(row.AwakeSeconds)},
                        {"asleep_seconds", JsonNumber(row.AsleepSeconds)},
                        {"boot_type", JsonText(row.BootType)},
                        {"end", JsonText(row.End)},
                        {"end_time", JsonText(row.EndTime)},
                        {"clock_moved_back", power && power->ClockMovedBack ? "true" : "false"},
                        {"shutdown_details",
                         power && power->Shutdown ? ShutdownJson(*power->Shutdown) : "null"},
                        {"sleeps", power ? SleepsJson(power->Sleeps, biasMinutes) : "[]"}});
  });
  text += count == 0 ? "]" : "\n  ]";
  text += ",\n  \"summary\": ";
  const RunFigures figures = ComputeRunFigures(refresh.Runs, refresh.TotalRunSeconds);
  AppendObject(text, {{"count", std::to_string(figures.Count)},
                      {"days", std::to_string(figures.Days)},
                      {"total_hours", std::to_string(figures.TotalHours)},
                      {"average_hours", std::to_string(figures.AverageHours)},
                      {"total_seconds", std::to_string(refresh.TotalRunSeconds)},
                      {"history_from", JsonSeconds(refresh.Power.HistoryFrom, biasMinutes)},
                      {"history_to", JsonSeconds(refresh.Power.HistoryTo, biasMinutes)},
                      {"sleep_known", refresh.Power.SleepKnown ? "true" : "false"}});
  text += "\n}\n";
}

std::string FormatRunJson(const RunRefresh& refresh, std::string_view source,
                          std::int32_t biasMinutes) {
  return CollectText([&](TextOut& out) { WriteRunJson(refresh, source, biasMinutes, out); });
}

}  // namespace orvanta::present
