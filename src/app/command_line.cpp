#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "app/version_macro.h"
#include "present/escaped_text.h"

namespace orvanta::app {
namespace {

enum class OptionId { Help, Version, Report, Format, By, Source };

struct OptionSpec {
  std::string_view Name;
  OptionId Id;
  std::string_view Value;  // the value's name in the help, empty for a flag
  bool LinuxOnly;
  std::string_view Help;
};

constexpr std::array<OptionSpec, 6> kOptions = {{
    {"--report", OptionId::Report, "", true,
     "print the runs to standard output instead of opening a window"},
    {"--format", OptionId::Format, "FORMAT", true,
     "the report's form: text (tab-separated lines, as the window\n"
     "shows them; the default), csv or json"},
    {"--by", OptionId::By, "ROWS", true,
     "the report's rows: run (one per run; the default) or day\n"
     "(one per local calendar day: awake and asleep hours, first\n"
     "on, last off, boots, wakes and attended wakes)"},
    {"--source", OptionId::Source, "NAME", true,
     "where this machine's history is read when no FILE is named\n"
     "(by default the one that reaches furthest back):\n"
     "  wtmpdb   the login database /var/lib/wtmpdb/wtmp.db\n"
     "  wtmp     the login records in /var/log/wtmp\n"
     "  journal  the systemd journal"},
    {"--help", OptionId::Help, "", false, "print this help and exit"},
    {"--version", OptionId::Version, "", false, "print the version and exit"},
}};

template <typename Value>
struct Named {
  std::string_view Name;
  Value Item;
};

constexpr std::array<Named<present::ReportFormat>, 3> kFormats = {{
    {"text", present::ReportFormat::Text},
    {"csv", present::ReportFormat::Csv},
    {"json", present::ReportFormat::Json},
}};

constexpr std::array<Named<present::ReportBy>, 2> kReportBys = {{
    {"run", present::ReportBy::Run},
    {"day", present::ReportBy::Day},
}};

constexpr std::array<Named<sources::HistorySource>, 3> kSources = {{
    {"wtmpdb", sources::HistorySource::Wtmpdb},
    {"wtmp", sources::HistorySource::Wtmp},
    {"journal", sources::HistorySource::Journal},
}};

template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<Named<Value>, N>& table, std::string_view name) {
  const auto found = std::find_if(table.begin(), table.end(),
                                  [name](const Named<Value>& entry) { return entry.Name == name; });
  return found == table.end() ? std::nullopt : std::optional<Value>(found->Item);
}

// "a, b or c" of a table's names, for the error about a value it lacks.
template <typename Value, std::size_t N>
std::string Choices(const std::array<Named<Value>, N>& table) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    text += i == 0 ? "" : i + 1 == N ? " or " : ", ";
    text += table[i].Name;
  }
  return text;
}

const OptionSpec* FindOption(std::string_view name, CommandSet set) {
  for (const OptionSpec& option : kOptions) {
    if (option.Name == name && (set == CommandSet::Linux || !option.LinuxOnly)) {
      return &option;
    }
  }
  return nullptr;
}

// The parts joined. Messages are built this way rather than by adding to a literal, which one
// compiler's warnings take for an overlapping copy.
std::string Concat(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) {
    text += part;
  }
  return text;
}

// A value from the command line inside a message: in quotes, its control characters escaped.
std::string Quoted(std::string_view value) {
  return present::QuotedText(value, present::QuoteWhen::Always);
}

CommandLine Answer(CommandAction action, std::string error = {}) {
  CommandLine line;
  line.Action = action;
  line.Error = std::move(error);
  return line;
}

CommandLine Fault(std::string error) {
  return Answer(CommandAction::UsageError, std::move(error));
}

// The texts of the help that differ between the two programs.
struct HelpTexts {
  std::string_view Usage;
  std::string_view Reads;
  std::string_view Files;
  std::string_view ExitStatus;
};

constexpr HelpTexts kLinuxHelp = {
    "usage: orvanta [--report [--format text|csv|json]] [--source NAME] [FILE]\n"
    "       orvanta --report --by day [--format text|csv|json] [--source NAME] [FILE]\n",
    "Shows when this computer was switched on and off, how long each run lasted and who was\n"
    "logged in, from this machine's history or from FILE.\n",
    "FILE is a saved log: a Windows event log file (.evtx or .evt), a wtmp file, a systemd\n"
    "journal file or directory, or a wtmpdb login database.\n",
    "Exit status: 0 done, 1 the log could not be read, 2 usage error.\n",
};

constexpr HelpTexts kWindowsHelp = {
    "usage: orvanta [FILE]\n",
    "Shows when this computer was switched on and off, how long each run lasted and who was\n"
    "logged in, from the System event log or from FILE.\n",
    "FILE is a saved log: a Windows event log file (.evtx or .evt) or a wtmp file.\n",
    "Exit status: 0 done, 1 no window could be opened, 2 usage error.\n",
};

// Indents every line of a help text after the first to the help column.
std::string IndentedHelp(std::string_view text, std::size_t column) {
  std::string out;
  for (const char c : text) {
    out += c;
    if (c == '\n') {
      out.append(column, ' ');
    }
  }
  return out;
}

}  // namespace

CommandLine ParseCommandLine(std::span<const std::string> args, CommandSet set) {
  CommandLine line;
  bool report = false;
  bool formatGiven = false;
  bool byGiven = false;
  bool sourceGiven = false;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      if (line.File) {
        return Fault(Concat({"unexpected argument ", Quoted(arg), " (one FILE at most)"}));
      }
      line.File = arg;
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = arg.find('=');
    const std::string_view name = std::string_view(arg).substr(0, equals);
    const OptionSpec* option = arg[1] == '-' ? FindOption(name, set) : nullptr;
    if (option == nullptr) {
      return Fault(Concat({"unknown option ", Quoted(name)}));
    }
    std::string value;
    if (option->Value.empty()) {
      if (equals != std::string::npos) {
        return Fault(Concat({"option ", Quoted(name), " takes no value"}));
      }
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return Fault(Concat({"option ", Quoted(name), " needs a value"}));
    }
    switch (option->Id) {
      case OptionId::Help:
        return Answer(CommandAction::Help);
      case OptionId::Version:
        return Answer(CommandAction::Version);
      case OptionId::Report:
        report = true;
        break;
      case OptionId::Format:
        if (const auto format = Lookup(kFormats, value)) {
          line.Format = *format;
        } else {
          return Fault(Concat({"unknown format ", Quoted(value), " (", Choices(kFormats), ")"}));
        }
        formatGiven = true;
        break;
      case OptionId::By:
        if (const auto by = Lookup(kReportBys, value)) {
          line.By = *by;
        } else {
          return Fault(Concat({"unknown rows ", Quoted(value), " (", Choices(kReportBys), ")"}));
        }
        byGiven = true;
        break;
      case OptionId::Source:
        if (const auto source = Lookup(kSources, value)) {
          line.Source = *source;
        } else {
          return Fault(Concat({"unknown source ", Quoted(value), " (", Choices(kSources), ")"}));
        }
        sourceGiven = true;
        break;
    }
  }
  if (formatGiven && !report) {
    return Fault("option '--format' needs '--report'");
  }
  if (byGiven && !report) {
    return Fault("option '--by' needs '--report'");
  }
  if (sourceGiven && line.File) {
    return Fault("option '--source' reads this machine's history and takes no FILE");
  }
  line.Action = report ? CommandAction::Report : CommandAction::Window;
  return line;
}

std::string HelpText(CommandSet set) {
  constexpr std::size_t kHelpColumn = 20;
  const HelpTexts& texts = set == CommandSet::Linux ? kLinuxHelp : kWindowsHelp;
  std::string out(texts.Usage);
  out += "       orvanta --help | --version\n\n";
  out += texts.Reads;
  out += set == CommandSet::Linux
             ? "\nOptions (a value follows after a space or '=', as in --format=csv):\n"
             : "\nOptions:\n";
  for (const OptionSpec& option : kOptions) {
    if (set == CommandSet::Windows && option.LinuxOnly) {
      continue;
    }
    std::string head = Concat({"  ", option.Name, option.Value.empty() ? "" : " ", option.Value});
    head.resize(std::max(head.size() + 1, kHelpColumn), ' ');
    out += head;
    out += IndentedHelp(option.Help, kHelpColumn);
    out += '\n';
  }
  out.append("  --").append(kHelpColumn - 4, ' ').append("end the options; what follows is FILE\n");
  out += "\n";
  out += texts.Files;
  out += "\n";
  out += texts.ExitStatus;
  return out;
}

std::string VersionText() {
  return Concat({"orvanta ", kProgramVersion, "\n"});
}

std::string UsageErrorText(std::string_view error) {
  return Concat({"orvanta: ", error, "\nTry 'orvanta --help'.\n"});
}

}  // namespace orvanta::app
