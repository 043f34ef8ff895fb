#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "history/sid.h"
#include "platform/posix/passwd_directory.h"
#include "sources/unix_account_api.h"
#include "support/byte_writer.h"
#include "support/evt_writer.h"
#include "support/fakes.h"
#include "support/sample_files.h"
#include "support/worked_example.h"
#include "support/wtmp_writer.h"

namespace orvanta::platform {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  std::string Out;
  std::string Err;
  int Status = -1;
};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs the real program in UTC without a display with the given arguments. Each run has files of
// its own, since ctest runs tests side by side.
Outcome RunProgram(const std::string& arguments) {
  static int runs = 0;
  const fs::path dir =
      fs::path(ORVANTA_BINARY_DIR) / "report-test" /
      (std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
       std::to_string(++runs));
  fs::create_directories(dir);
  const std::string command = "TZ=UTC0 env -u DISPLAY '" ORVANTA_PROGRAM "' " + arguments + " >'" +
                              (dir / "out").string() + "' 2>'" + (dir / "err").string() +
                              "'; echo $? >'" + (dir / "status").string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0);
  return {ReadText(dir / "out"), ReadText(dir / "err"), std::stoi(ReadText(dir / "status"))};
}

std::string Fixture(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  const fs::path dir = fs::path(ORVANTA_BINARY_DIR) / "report-test";
  fs::create_directories(dir);
  const std::string path = (dir / name).string();
  EXPECT_TRUE(testsupport::WriteFileBytes(path, bytes));
  return path;
}

class ReportBinaryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PasswdDirectory users;
    std::optional<std::string> root = users.NameOf(0);
    std::optional<std::string> daemon = users.NameOf(1);
    if (!root || !daemon) {
      GTEST_SKIP() << "the passwd database lacks uid 0 or 1";
    }
    Expected =
        "开机时间\t关机时间\t运行时长\t登录用户\t信息\n"
        "2024-03-10 09:00:00\t\t\t" +
        *root +
        "\t正常,运行中...\n"
        "2024-03-09 20:00:00\t2024-03-09 23:30:00\t3 时30 分\t" +
        *daemon +
        "\t正常关机\n"
        "2024-03-08 18:00:00\t\t\t" +
        *root +
        "\t非正常关机\n"
        "\t2024-03-07 22:00:00\t\t\t无开机记录\n"
        "记录数:4\t天数:3\t总计:3小时\t平均:0(小时/次)\n";
    RootName = *root;
    DaemonName = *daemon;
  }

  std::string Expected;
  std::string RootName;
  std::string DaemonName;
};

TEST_F(ReportBinaryTest, PrintsTheWorkedExampleFromAnEventLogFile) {
  testsupport::EvtLayout wrapped;
  wrapped.FileSize = 1400;
  wrapped.FirstRecordOffset = 1200;
  wrapped.DirtyHeader = true;
  const auto events = testsupport::WorkedExampleEvents(history::EncodeSid(sources::UnixUserSid(0)),
                                                       history::EncodeSid(sources::UnixUserSid(1)));
  const std::string path = Fixture("worked.evt", testsupport::WriteEvtFile(events, wrapped));
  const Outcome outcome = RunProgram("--report '" + path + "'");
  EXPECT_EQ(outcome.Status, 0);
  EXPECT_EQ(outcome.Err, "");
  EXPECT_EQ(outcome.Out, Expected);
}

TEST_F(ReportBinaryTest, PrintsTheWorkedExampleFromAWtmpFile) {
  using testsupport::UnixTime;
  const std::vector<testsupport::WtmpEntry> entries = {
      testsupport::ShutdownEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 7, 22))),
      testsupport::BootEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 8, 18))),
      testsupport::LoginEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 8, 18, 5)), RootName),
      testsupport::BootEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 9, 20))),
      testsupport::LoginEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 9, 20, 10)), DaemonName),
      testsupport::ShutdownEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 9, 23, 30))),
      testsupport::BootEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 10, 9))),
      testsupport::LoginEntry(static_cast<std::int32_t>(UnixTime(2024, 3, 10, 9, 15)), RootName),
  };
  const std::string path = Fixture("worked.wtmp", testsupport::WriteWtmpFile(entries));
  const Outcome outcome = RunProgram("--report '" + path + "'");
  EXPECT_EQ(outcome.Status, 0);
  EXPECT_EQ(outcome.Err, "");
  EXPECT_EQ(outcome.Out, Expected);
}

struct FailureCase {
  const char* Name;
  std::string Path;
  std::string Reason;
};

TEST_F(ReportBinaryTest, NamesTheFileAndTheReasonWhenItIsNoLog) {
  const fs::path dir = fs::path(ORVANTA_BINARY_DIR) / "report-test";
  const std::vector<FailureCase> cases = {
      {"missing", (dir / "no-such-file").string(), "No such file or directory"},
      {"directory", dir.string(), "a directory without journal files"},
      {"empty", Fixture("empty", {}), "empty file"},
      {"text", Fixture("text", std::vector<std::uint8_t>(500, 'x')),
       "not an event log or wtmp file"},
      {"truncated header",
       Fixture("short.evt", std::vector<std::uint8_t>{0x30, 0, 0, 0, 'L', 'f', 'L', 'e', 1, 0}),
       "truncated event log header"},
  };
  for (const FailureCase& c : cases) {
    const Outcome outcome = RunProgram("--report '" + c.Path + "'");
    EXPECT_EQ(outcome.Status, 1) << c.Name;
    EXPECT_EQ(outcome.Out, "") << c.Name;
    EXPECT_EQ(outcome.Err, "orvanta: " + c.Path + ": " + c.Reason + "\n") << c.Name;
  }
}

// A name with a line feed or an escape sequence stays on the one line, quoted as the shell reads
// it back.
TEST(ReportBinary, QuotesANameWithControlCharacters) {
  const std::string dir = (fs::path(ORVANTA_BINARY_DIR) / "report-test").string();
  const Outcome outcome = RunProgram("--report '" + dir + "/no\nsuch\x1B[31m'");
  EXPECT_EQ(outcome.Status, 1);
  EXPECT_EQ(outcome.Err,
            "orvanta: '" + dir + "/no'$'\\n''such'$'\\033''[31m': No such file or directory\n");
}

TEST(ReportBinary, WithoutADisplayTheWindowModeSuggestsTheReport) {
  for (const std::string arguments : {"", "/nonexistent/wtmp"}) {
    const Outcome outcome = RunProgram(arguments);
    EXPECT_EQ(outcome.Status, 1) << arguments;
    EXPECT_EQ(outcome.Out, "") << arguments;
    EXPECT_NE(outcome.Err.find("window"), std::string::npos) << arguments;
    EXPECT_NE(outcome.Err.find("--report"), std::string::npos) << arguments;
  }
}

TEST(ReportBinary, MoreThanOneFileIsAUsageError) {
  for (const std::string arguments : {"a b", "--report a b"}) {
    const Outcome outcome = RunProgram(arguments);
    EXPECT_EQ(outcome.Status, 2) << arguments;
    EXPECT_NE(outcome.Err.find("Try 'orvanta --help'."), std::string::npos) << arguments;
  }
}

TEST_F(ReportBinaryTest, AnswersHelpVersionAndUsageErrorsWithoutADisplay) {
  struct Case {
    std::string Arguments;
    int Status;
    std::string OutStart;
    std::string Err;
  };
  const std::string path = Fixture(
      "options.wtmp", testsupport::WriteWtmpFile({testsupport::BootEntry(
                          static_cast<std::int32_t>(testsupport::UnixTime(2024, 3, 10, 9)))}));
  const Case cases[] = {
      {"--help", 0, "usage: orvanta [--report [--format text|csv|json]] [--source NAME] [FILE]\n",
       ""},
      {"--report --help", 0, "usage: orvanta ", ""},
      {"--version", 0, "orvanta 4.0.3\n", ""},
      {"--report --no-such-option", 2, "",
       "orvanta: unknown option '--no-such-option'\nTry 'orvanta --help'.\n"},
      {"--report --format", 2, "",
       "orvanta: option '--format' needs a value\nTry 'orvanta --help'.\n"},
      {"--source syslog", 2, "",
       "orvanta: unknown source 'syslog' (wtmpdb, wtmp or journal)\nTry 'orvanta --help'.\n"},
      {"--report --format 'c\nsv'", 2, "",
       "orvanta: unknown format 'c'$'\\n''sv' (text, csv or json)\nTry 'orvanta --help'.\n"},
      {"--report --format=csv -- '" + path + "'", 0,
       "boot,shutdown,run_seconds,run_length,user,state,status,awake_seconds,asleep_seconds,"
       "boot_type,end,end_time\r\n",
       ""},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunProgram(c.Arguments);
    EXPECT_EQ(outcome.Status, c.Status) << c.Arguments;
    EXPECT_EQ(outcome.Out.substr(0, c.OutStart.size()), c.OutStart) << c.Arguments;
    EXPECT_EQ(outcome.Out.empty(), c.OutStart.empty()) << c.Arguments;
    EXPECT_EQ(outcome.Err, c.Err) << c.Arguments;
  }
  EXPECT_EQ(RunProgram("--report --format text '" + path + "'").Out,
            RunProgram("--report '" + path + "'").Out);
}

// The user column of a CSV report, newest run first.
std::vector<std::string> ReportedUsers(const std::string& csv) {
  std::vector<std::string> users;
  std::istringstream lines(csv);
  std::string line;
  std::getline(lines, line);  // the header
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string field;
    for (int i = 0; i < 5; ++i) {
      std::getline(fields, field, ',');
    }
    users.push_back(field);
  }
  return users;
}

// A log names its users itself, as they were on the machine that wrote it: names this machine
// does not know, or knows as other people, are shown as recorded, and ignored accounts stay
// ignored.
TEST(ReportUsers, AreTheNamesTheLogRecords) {
  struct Case {
    std::string Path;
    std::vector<std::string> Users;
  };
  const std::vector<Case> cases = {
      {Fixture("elsewhere.wtmp", testsupport::WriteWtmpFile(
                                     {testsupport::BootEntry(1'700'000'000),
                                      testsupport::LoginEntry(1'700'000'010, "LOCAL SERVICE"),
                                      testsupport::LoginEntry(1'700'000'020, "zed-elsewhere")})),
       {"zed-elsewhere"}},
      {testsupport::SamplePath("ubuntu22-x86_64.wtmp"), std::vector<std::string>(19, "u22a")},
      {testsupport::SamplePath("debian13-wtmpdb.db"), {"Debian-gdm"}},
      {testsupport::SamplePath("opensuse15-archived-zstd.journal"), {"mruser"}},
      {testsupport::SamplePath("rhel91-online-zstd.journal"), {"gnome-initial-setup"}},
  };
  for (const Case& c : cases) {
    if (c.Path.empty()) {
      GTEST_SKIP() << "a sample is not there";
    }
    const Outcome outcome = RunProgram("--report --format csv '" + c.Path + "'");
    EXPECT_EQ(outcome.Status, 0) << c.Path;
    EXPECT_EQ(ReportedUsers(outcome.Out), c.Users) << c.Path;
  }
}

}  // namespace
}  // namespace orvanta::platform
