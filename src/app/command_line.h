#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "present/run_report.h"
#include "sources/history_source.h"

namespace orvanta::app {

// The options an entry point knows: the Linux program has the report mode and a choice of this
// machine's history; the Windows program only takes a saved log file.
enum class CommandSet { Linux, Windows };

// What the command line asks for.
enum class CommandAction { Window, Report, Help, Version, UsageError };

struct CommandLine {
  CommandAction Action = CommandAction::Window;
  present::ReportFormat Format = present::ReportFormat::Text;
  present::ReportBy By = present::ReportBy::Run;
  // Where this machine's history is read when no file is named; unset: where it reaches
  // furthest back.
  std::optional<sources::HistorySource> Source;
  std::optional<std::string> File;
  // For a usage error: what was wrong, as one line without the program's name.
  std::string Error;
};

// Reads the arguments after the program's name, left to right. `--help` and `--version` take
// effect where they stand; values go after a space or an '=' (`--format csv`, `--format=csv`);
// `--` ends the options, and options may follow FILE. Any fault is a usage error.
CommandLine ParseCommandLine(std::span<const std::string> args, CommandSet set);

// What `--help` prints: usage, options, the files read and the exit statuses.
std::string HelpText(CommandSet set);

// What `--version` prints: "orvanta 4.0.3" and a newline.
std::string VersionText();

// The two lines of a usage error: "orvanta: ERROR" and where to find help.
std::string UsageErrorText(std::string_view error);

}  // namespace orvanta::app
