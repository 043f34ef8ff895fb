#include "present/run_export.h"

#include <algorithm>
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

// List columns of the run length, user and status texts (SubItem indices).
constexpr int kLengthText = 2;
constexpr int kUserText = 3;
constexpr int kStatusText = 4;

std::string JsonTime(const std::string& iso) {
  return iso.empty() ? std::string("null") : JsonString(iso);
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

std::string_view RunStateName(RunState state) {
  return kStateNames[static_cast<std::size_t>(state)];
}

std::size_t ExportRowCount(const RunRefresh& refresh) {
  return std::min(refresh.Runs.size(), static_cast<std::size_t>(refresh.UiLWMsg.ItemCount()));
}

ExportRow ExportRowAt(const RunRefresh& refresh, std::size_t index, std::int32_t biasMinutes) {
  const history::RunRecord& run = refresh.Runs[index];
  const ui::ListItem& item = refresh.UiLWMsg.Item(static_cast<int>(index));
  return {
      .Boot = FormatIsoLocalTime(run.BootTime, biasMinutes),
      .Shutdown = FormatIsoLocalTime(run.ShutdownTime, biasMinutes),
      .RunSeconds = run.RunSeconds,
      .RunLength = std::string(item.SubItem(kLengthText)),
      .User = std::string(item.SubItem(kUserText)),
      .State = StateOfRun(run, index),
      .Status = std::string(item.SubItem(kStatusText)),
  };
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

void WriteRunCsv(const RunRefresh& refresh, std::int32_t biasMinutes, TextOut& out) {
  std::string& text = out.Buffer();
  text += "boot,shutdown,run_seconds,run_length,user,state,status\r\n";
  const std::size_t count = ExportRowCount(refresh);
  for (std::size_t i = 0; i < count; ++i) {
    const ExportRow row = ExportRowAt(refresh, i, biasMinutes);
    for (const std::string& field :
         {row.Boot, row.Shutdown, std::to_string(row.RunSeconds), CsvField(row.RunLength),
          CsvField(row.User), std::string(RunStateName(row.State)), CsvField(row.Status)}) {
      text += field;
      text += ',';
    }
    text.back() = '\r';
    text += '\n';
    out.EndRow();
  }
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
  for (std::size_t i = 0; i < count; ++i) {
    const ExportRow row = ExportRowAt(refresh, i, biasMinutes);
    text += i == 0 ? "\n    " : ",\n    ";
    AppendObject(text, {{"boot", JsonTime(row.Boot)},
                        {"shutdown", JsonTime(row.Shutdown)},
                        {"run_seconds", std::to_string(row.RunSeconds)},
                        {"run_length", JsonString(row.RunLength)},
                        {"user", JsonString(row.User)},
                        {"state", JsonString(RunStateName(row.State))},
                        {"status", JsonString(row.Status)}});
    out.EndRow();
  }
  text += count == 0 ? "]" : "\n  ]";
  text += ",\n  \"summary\": ";
  const RunFigures figures = ComputeRunFigures(refresh.Runs, refresh.TotalRunSeconds);
  AppendObject(text, {{"count", std::to_string(figures.Count)},
                      {"days", std::to_string(figures.Days)},
                      {"total_hours", std::to_string(figures.TotalHours)},
                      {"average_hours", std::to_string(figures.AverageHours)},
                      {"total_seconds", std::to_string(refresh.TotalRunSeconds)}});
  text += "\n}\n";
}

std::string FormatRunJson(const RunRefresh& refresh, std::string_view source,
                          std::int32_t biasMinutes) {
  return CollectText([&](TextOut& out) { WriteRunJson(refresh, source, biasMinutes, out); });
}

}  // namespace orvanta::present
