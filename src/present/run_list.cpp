#include "present/run_list.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "present/duration_text.h"
#include "present/escaped_text.h"

namespace orvanta::present {
namespace {

struct ColumnLayout {
  std::string_view Caption;
  int Width;
  bool FillsRest;
};

constexpr std::array<ColumnLayout, 6> kRunListColumns = {{
    {"", 18, false},
    {"开机时间", 150, false},
    {"关机时间", 150, false},
    {"运行时长", 100, false},
    {"登录用户", kUserColumnWidth, false},
    {"信息", 50, true},
}};

constexpr int kNormalState = 0;
constexpr int kAbnormalState = 1;

std::string FormatIfSet(history::DateTime t) {
  return history::IsTimeSet(t) ? history::FormatDateTime(t) : std::string();
}

// The status text and state image of each RunState, in its order.
struct StateLook {
  std::string_view MainWindowTexts::*Text;
  int StateIndex;
};
constexpr std::array<StateLook, 4> kStateLooks = {{
    {&MainWindowTexts::RunningText, kNormalState},
    {&MainWindowTexts::CleanShutdownText, kNormalState},
    {&MainWindowTexts::AbnormalEndText, kAbnormalState},
    {&MainWindowTexts::MissingBootText, kAbnormalState},
}};

}  // namespace

void SetUpRunListColumns(ui::ListViewModel& list) {
  for (const ColumnLayout& layout : kRunListColumns) {
    ui::ListColumn column;
    column.Caption = std::string(layout.Caption);
    column.Width = layout.Width;
    column.FillsRest = layout.FillsRest;
    list.AddColumn(std::move(column));
  }
}

RunState StateOfRun(const history::RunRecord& run, std::size_t row) {
  const bool hasBoot = history::IsTimeSet(run.BootTime);
  if (hasBoot && history::IsTimeSet(run.ShutdownTime)) {
    return RunState::Clean;
  }
  if (row == 0) {
    return RunState::Running;
  }
  return hasBoot ? RunState::Abnormal : RunState::NoBoot;
}

std::int32_t SecondsBetween(history::DateTime a, history::DateTime b) {
  // Both times are whole seconds; rounding removes the error of their day fractions.
  const double seconds = std::round(std::fabs(a - b) * 86400.0);
  if (!(seconds < static_cast<double>(std::numeric_limits<std::int32_t>::max()))) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(seconds);
}

void CompleteRuns(history::RunList& runs, std::int64_t& totalRunSeconds,
                  const MainWindowTexts& texts) {
  totalRunSeconds = 0;
  if (runs.empty()) {
    return;
  }
  if (runs.back().BootTime < 1 && runs.back().ShutdownTime < 1) {
    runs.pop_back();
  }
  for (std::size_t i = 0; i < runs.size(); ++i) {
    history::RunRecord& run = runs[i];
    run.RunSeconds = 0;
    const RunState state = StateOfRun(run, i);
    run.InfoText = texts.*kStateLooks[static_cast<std::size_t>(state)].Text;
    if (state == RunState::Clean) {
      run.RunSeconds = SecondsBetween(run.ShutdownTime, run.BootTime);
    }
    totalRunSeconds += run.RunSeconds;
  }
}

RunRowTexts RowTextsOf(const history::RunRecord& run, const MainWindowTexts& texts) {
  return {
      .Boot = FormatIfSet(run.BootTime),
      .Shutdown = FormatIfSet(run.ShutdownTime),
      .Length = run.RunSeconds > 0 ? FormatDuration(run.RunSeconds, texts) : std::string(),
      .User = run.UserName,
      .Status = run.InfoText,
  };
}

void AppendRunRowLine(std::string& out, const history::RunRecord& run,
                      const MainWindowTexts& texts) {
  // The texts of RowTextsOf, appended in place: a report writes one line per run.
  for (const history::DateTime t : {run.BootTime, run.ShutdownTime}) {
    if (history::IsTimeSet(t)) {
      history::AppendDateTime(out, t);
    }
    out += '\t';
  }
  if (run.RunSeconds > 0) {
    AppendDuration(out, run.RunSeconds, texts);
  }
  out += '\t';
  AppendEscapedControls(out, run.UserName);
  out += '\t';
  out += run.InfoText;
}

void FillRunList(history::RunList& runs, ui::ListViewModel& list, std::int64_t& totalRunSeconds,
                 const MainWindowTexts& texts) {
  list.ClearItems();
  // An empty RunList leaves the user column as it was; one that only held an empty run does not.
  const bool hadRuns = !runs.empty();
  CompleteRuns(runs, totalRunSeconds, texts);
  if (!hadRuns) {
    return;
  }
  bool noUserSeen = true;
  list.ReserveItems(runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const history::RunRecord& run = runs[i];
    ui::ListItem& row = list.AddItem();
    row.StateIndex = kStateLooks[static_cast<std::size_t>(StateOfRun(run, i))].StateIndex;
    const RunRowTexts rowTexts = RowTextsOf(run, texts);
    if (noUserSeen && !run.UserName.empty()) {
      noUserSeen = false;
    }
    row.SetSubItems(
        {rowTexts.Boot, rowTexts.Shutdown, rowTexts.Length, rowTexts.User, rowTexts.Status});
  }
  if (noUserSeen) {
    list.SetColumnWidth(kUserColumn, 0);
    list.SetColumnMaxWidth(kUserColumn, 1);
  } else if (list.ColumnWidth(kUserColumn) == 0) {
    // The limit of 1 pixel goes first: set the other way round, the width would be cut to it.
    list.SetColumnMaxWidth(kUserColumn, 0);
    list.SetColumnWidth(kUserColumn, kUserColumnWidth);
  }
}

}  // namespace orvanta::present
