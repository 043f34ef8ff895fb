#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvanta::app {
namespace {

using present::ReportFormat;

struct Case {
  std::vector<std::string> Args;
  CommandAction Action;
  ReportFormat Format = ReportFormat::Text;
  std::optional<std::string> File = std::nullopt;
  std::string Error = {};
  CommandSet Set = CommandSet::Linux;
};

TEST(CommandLine, ReadsEveryOptionAndReportsEveryFault) {
  constexpr auto W = CommandAction::Window;
  constexpr auto R = CommandAction::Report;
  constexpr auto U = CommandAction::UsageError;
  const Case cases[] = {
      {{}, W},
      {{"FILE"}, W, ReportFormat::Text, "FILE"},
      {{"-"}, W, ReportFormat::Text, "-"},
      {{"--report"}, R},
      {{"--report", "--format", "csv", "x.evt"}, R, ReportFormat::Csv, "x.evt"},
      {{"--format=json", "x", "--report"}, R, ReportFormat::Json, "x"},
      {{"--report", "--format=text"}, R, ReportFormat::Text},
      {{"--report", "--format", "csv", "--format", "json"}, R, ReportFormat::Json},
      {{"--source", "wtmp", "--report"}, R},
      {{"--source=wtmp"}, W},
      {{"--", "--report"}, W, ReportFormat::Text, "--report"},
      {{"--report", "--", "-x"}, R, ReportFormat::Text, "-x"},
      {{"--help", "--bogus"}, CommandAction::Help},
      {{"a", "--version"}, CommandAction::Version},
      {{"--x"}, U, ReportFormat::Text, {}, "unknown option '--x'"},
      {{"--x=1"}, U, ReportFormat::Text, {}, "unknown option '--x'"},
      {{"-h"}, U, ReportFormat::Text, {}, "unknown option '-h'"},
      {{"--reports"}, U, ReportFormat::Text, {}, "unknown option '--reports'"},
      {{"--report", "--format"}, U, ReportFormat::Text, {}, "option '--format' needs a value"},
      {{"--source"}, U, ReportFormat::Text, {}, "option '--source' needs a value"},
      {{"--report=yes"}, U, ReportFormat::Text, {}, "option '--report' takes no value"},
      {{"--help=x"}, U, ReportFormat::Text, {}, "option '--help' takes no value"},
      {{"--report", "--format", "xml"},
       U,
       ReportFormat::Text,
       {},
       "unknown format 'xml' (text, csv or json)"},
      {{"--report", "--format="},
       U,
       ReportFormat::Text,
       {},
       "unknown format '' (text, csv or json)"},
      {{"--source", "syslog"},
       U,
       ReportFormat::Text,
       {},
       "unknown source 'syslog' (wtmpdb, wtmp or journal)"},
      {{"a", "b"}, U, ReportFormat::Text, {}, "unexpected argument 'b' (one FILE at most)"},
      {{"--format", "csv"}, U, ReportFormat::Text, {}, "option '--format' needs '--report'"},
      {{"--source", "wtmp", "f"},
       U,
       ReportFormat::Text,
       {},
       "option '--source' reads this machine's history and takes no FILE"},
      // The Windows program has no report mode and no choice of source.
      {{"x.evt"}, W, ReportFormat::Text, "x.evt", {}, CommandSet::Windows},
      {{"--", "--help"}, W, ReportFormat::Text, "--help", {}, CommandSet::Windows},
      {{"--version"}, CommandAction::Version, ReportFormat::Text, {}, {}, CommandSet::Windows},
      {{"--report"}, U, ReportFormat::Text, {}, "unknown option '--report'", CommandSet::Windows},
      {{"--source=wtmp"},
       U,
       ReportFormat::Text,
       {},
       "unknown option '--source'",
       CommandSet::Windows},
  };
  for (const Case& c : cases) {
    std::string label;
    for (const std::string& arg : c.Args) {
      label += "[" + arg + "]";
    }
    const CommandLine line = ParseCommandLine(c.Args, c.Set);
    EXPECT_EQ(line.Action, c.Action) << label;
    EXPECT_EQ(line.Error, c.Error) << label;
    if (c.Action == W || c.Action == R) {
      EXPECT_EQ(line.Format, c.Format) << label;
      EXPECT_EQ(line.File, c.File) << label;
    }
  }
  using sources::HistorySource;
  EXPECT_EQ(ParseCommandLine(std::vector<std::string>{}, CommandSet::Linux).Source, std::nullopt);
  for (const auto& [name, source] :
       {std::pair{"wtmpdb", HistorySource::Wtmpdb}, std::pair{"wtmp", HistorySource::Wtmp},
        std::pair{"journal", HistorySource::Journal}}) {
    const std::vector<std::string> args{"--source", name};
    EXPECT_EQ(ParseCommandLine(args, CommandSet::Linux).Source, source) << name;
  }
}

TEST(CommandLine, ReportsByRunOrByDay) {
  struct ByCase {
    std::vector<std::string> Args;
    present::ReportBy By;
    std::string Error;
  };
  const ByCase cases[] = {
      {{"--report"}, present::ReportBy::Run, ""},
      {{"--report", "--by", "day", "--format=csv"}, present::ReportBy::Day, ""},
      {{"--by=run", "--report"}, present::ReportBy::Run, ""},
      {{"--by", "day"}, present::ReportBy::Run, "option '--by' needs '--report'"},
      {{"--report", "--by=week"}, present::ReportBy::Run, "unknown rows 'week' (run or day)"},
  };
  for (const ByCase& c : cases) {
    const CommandLine line = ParseCommandLine(c.Args, CommandSet::Linux);
    EXPECT_EQ(line.Error, c.Error) << c.Args[0];
    EXPECT_EQ(line.By, c.By) << c.Args[0];
  }
  const std::vector<std::string> windows = {"--by", "day"};
  EXPECT_EQ(ParseCommandLine(windows, CommandSet::Windows).Action, CommandAction::UsageError);
}

TEST(CommandLine, HelpNamesWhatEachProgramTakes) {
  struct HelpCase {
    CommandSet Set;
    std::vector<std::string_view> Present;
    std::vector<std::string_view> Absent;
  };
  const HelpCase cases[] = {
      {CommandSet::Linux,
       {"usage: orvanta [--report [--format text|csv|json]] [--source NAME] [FILE]\n",
        "  --format FORMAT   ", "  wtmp  ", "  --help", "  --version", "  --  ", ".evt",
        "0 done, 1 the log could not be read, 2 usage error"},
       {}},
      {CommandSet::Windows,
       {"usage: orvanta [FILE]\n", "  --help", "  --version", "  --  ", "System event log"},
       {"--report", "--format", "--source"}},
  };
  for (const HelpCase& c : cases) {
    const std::string help = HelpText(c.Set);
    for (std::string_view text : c.Present) {
      EXPECT_NE(help.find(text), std::string::npos) << text;
    }
    for (std::string_view text : c.Absent) {
      EXPECT_EQ(help.find(text), std::string::npos) << text;
    }
  }
  EXPECT_EQ(VersionText(), "orvanta 4.0.3\n");
  EXPECT_EQ(UsageErrorText("unknown option '--x'"),
            "orvanta: unknown option '--x'\nTry 'orvanta --help'.\n");
}

}  // namespace
}  // namespace orvanta::app
