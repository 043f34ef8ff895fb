#include "present/run_export.h"

#include <gtest/gtest.h>

#include "present/export_fixture.h"
#include "present/export_text.h"

namespace orvanta::present {
namespace {

// The export without what the power history adds, which a refresh without one leaves empty:
// the CSV's last five columns and the JSON summary's last three members.
std::string WithoutPowerFields(std::string text) {
  constexpr std::string_view kCuts[] = {
      ",awake_seconds,asleep_seconds,boot_type,end,end_time\r\n", ",,,,,\r\n",
      ", \"history_from\": null, \"history_to\": null, \"sleep_known\": false}"};
  constexpr std::string_view kKept[] = {"\r\n", "\r\n", "}"};
  for (std::size_t i = 0; i < std::size(kCuts); ++i) {
    for (std::size_t at = text.find(kCuts[i]); at != std::string::npos;
         at = text.find(kCuts[i], at)) {
      text.replace(at, kCuts[i].size(), kKept[i]);
    }
  }
  return text;
}

TEST(ExportText, RepairsUtf8AndEscapesForJsonAndCsv) {
  struct Case {
    std::string_view Text;
    std::string_view Repaired;
    std::string_view Json;
    std::string_view Csv;
  };
  const Case cases[] = {
      {"", "", R"("")", ""},
      {"root", "root", R"("root")", "root"},
      {"正常,运行中", "正常,运行中", R"("正常,运行中")", R"("正常,运行中")"},
      {"a\"b\\c/", "a\"b\\c/", R"("a\"b\\c/")", R"("a""b\c/")"},
      {"\r\n\t\b\f\x1F\x7F", "\r\n\t\b\f\x1F\x7F",
       R"("\r\n\t\u0008\u000c\u001f)"
       "\x7F\"",
       "\"\r\n\t\b\f\x1F\x7F\""},
      {std::string_view("a\0b", 3), std::string_view("a\0b", 3), R"("a\u0000b")",
       std::string_view("a\0b", 3)},
      // Stray continuation, lone lead bytes, overlong forms, a surrogate, past U+10FFFF.
      {"\x80", "\uFFFD", "\"\uFFFD\"", "\uFFFD"},
      {"\xC0\xAF", "\uFFFD\uFFFD", "\"\uFFFD\uFFFD\"", "\uFFFD\uFFFD"},
      {"\xE0\x80\xAF", "\uFFFD\uFFFD\uFFFD", "\"\uFFFD\uFFFD\uFFFD\"", "\uFFFD\uFFFD\uFFFD"},
      {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD", "\"\uFFFD\uFFFD\uFFFD\"", "\uFFFD\uFFFD\uFFFD"},
      {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD", "\"\uFFFD\uFFFD\uFFFD\uFFFD\"",
       "\uFFFD\uFFFD\uFFFD\uFFFD"},
      // A sequence cut short is one replacement, and the byte that cut it is kept.
      {"\xE6\x97z", "\uFFFDz", "\"\uFFFDz\"", "\uFFFDz"},
      {"x\xF0\x9F\x98", "x\uFFFD", "\"x\uFFFD\"", "x\uFFFD"},
      {"\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF", "\U0001F600\U0010FFFF", "\"\U0001F600\U0010FFFF\"",
       "\U0001F600\U0010FFFF"},
      {"\xFF,", "\uFFFD,", "\"\uFFFD,\"", "\"\uFFFD,\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RepairUtf8(c.Text), c.Repaired) << c.Text;
    EXPECT_EQ(JsonString(c.Text), c.Json) << c.Text;
    EXPECT_EQ(CsvField(c.Text), c.Csv) << c.Text;
  }
}

TEST(RunExport, TimesCarryTheOffsetTheyWereShiftedBy) {
  struct Case {
    std::int32_t Bias;
    history::DateTime Time;
    std::string_view Iso;
  };
  const history::DateTime time = At(2024, 3, 10, 9, 5, 7);
  const Case cases[] = {
      {480, time, "2024-03-10T09:05:07+08:00"},
      {0, time, "2024-03-10T09:05:07+00:00"},
      {-300, time, "2024-03-10T09:05:07-05:00"},
      {330, time, "2024-03-10T09:05:07+05:30"},
      {-570, time, "2024-03-10T09:05:07-09:30"},
      {480, 0, ""},
      {480, 1.0, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatIsoLocalTime(c.Time, c.Bias), c.Iso) << c.Bias;
  }
}

TEST(RunExport, CsvHasOneRowPerListRowNewestFirst) {
  RunRefresh refresh;
  FillHostileExample(refresh);
  EXPECT_EQ(
      WithoutPowerFields(FormatRunCsv(refresh, 480)),
      "boot,shutdown,run_seconds,run_length,user,state,status\r\n"
      "2024-03-10T09:00:00+08:00,,0,,\"ann, \"\"the\nadmin\"\"\",running,\"正常,运行中...\"\r\n"
      "2024-03-09T20:00:00+08:00,2024-03-09T23:30:00+08:00,12600,3 时30 分," +
          std::string(kControlAndBadUtf8Repaired) +
          ",clean,正常关机\r\n"
          "2024-03-08T18:00:00+08:00,,0,,userA,abnormal,非正常关机\r\n"
          ",2024-03-07T22:00:00+08:00,0,,,no-boot,无开机记录\r\n");
}

TEST(RunExport, AnEmptyHistoryIsAHeaderOrNoRuns) {
  RunRefresh refresh;
  EXPECT_EQ(WithoutPowerFields(FormatRunCsv(refresh, 0)),
            "boot,shutdown,run_seconds,run_length,user,state,status\r\n");
  EXPECT_EQ(WithoutPowerFields(FormatRunJson(refresh, "w", 0)),
            "{\n  \"source\": \"w\",\n  \"runs\": [],\n  \"summary\": {\"count\": 0, \"days\": 0, "
            "\"total_hours\": 0, \"average_hours\": 0, \"total_seconds\": 0}\n}\n");
}

// The worked example's runs with a power history of its first three, completed but never put
// into the list, as a report leaves them.
void FillPowerExample(RunRefresh& refresh) {
  using testsupport::UnixTime;
  refresh.Runs = WorkedExampleRuns();
  CompleteRuns(refresh.Runs, refresh.TotalRunSeconds);
  history::PowerHistory& power = refresh.Power;
  power.SleepKnown = true;
  power.HistoryFrom = UnixTime(2024, 3, 7, 8);
  power.HistoryTo = UnixTime(2024, 3, 10, 9, 20);
  power.Runs.resize(3);
  power.Runs[0].Boot = history::BootType::Cold;
  power.Runs[0].AwakeSeconds = 900;
  power.Runs[0].AsleepSeconds = 300;
  power.Runs[0].Sleeps = {{UnixTime(2024, 3, 10, 9, 5), UnixTime(2024, 3, 10, 9, 10),
                           history::SleepKind::Sleep, "Power Button", true}};
  power.Runs[1].Boot = history::BootType::Hybrid;
  power.Runs[1].EndFoundBy = history::RunEnd::Clean;
  power.Runs[1].End = UnixTime(2024, 3, 9, 23, 30);
  power.Runs[1].AwakeSeconds = 12600;
  power.Runs[1].AsleepSeconds = 0;
  power.Runs[1].Shutdown =
      std::make_shared<const history::ShutdownDetails>(history::ShutdownDetails{
          "C:\\shutdown.exe", "PC\\ann", "Other (\"planned\")", "0x80000000", "restart"});
  power.Runs[2].EndFoundBy = history::RunEnd::LastSign;
  power.Runs[2].End = UnixTime(2024, 3, 8, 18, 1, 40);
  power.Runs[2].AwakeSeconds = 100;
}

TEST(RunExport, PowerFieldsFollowEachRunWithoutAFilledList) {
  RunRefresh refresh;
  FillPowerExample(refresh);
  const std::string csv = FormatRunCsv(refresh, 0);
  for (std::string_view rowEnd :
       {",900,300,cold,running,\r\n", ",12600,0,hybrid,clean,2024-03-09T23:30:00+00:00\r\n",
        ",100,,,last-sign,2024-03-08T18:01:40+00:00\r\n", "无开机记录,,,,,\r\n"}) {
    EXPECT_NE(csv.find(rowEnd), std::string::npos) << rowEnd;
  }
  const std::string json = FormatRunJson(refresh, "w", 0);
  for (
      std::string_view part : {
          R"j("end_time": null, "clock_moved_back": false, "shutdown_details": null, "sleeps": [{"from": )j"
          R"j("2024-03-10T09:05:00+00:00", "to": "2024-03-10T09:10:00+00:00", "kind": "sleep", )j"
          R"j("wake_source": "Power Button", "attended": true}]})j",
          R"j("shutdown_details": {"initiator": "C:\\shutdown.exe", "user": "PC\\ann", )j"
          R"j("reason": "Other (\"planned\")", "reason_code": "0x80000000", "kind": "restart"}, )j"
          R"j("sleeps": []})j",
          R"j("asleep_seconds": null, "boot_type": null, "end": null, "end_time": null, )j"
          R"j("clock_moved_back": false, "shutdown_details": null, "sleeps": []})j",
          R"j("history_from": "2024-03-07T08:00:00+00:00", "history_to": )j"
          R"j("2024-03-10T09:20:00+00:00", "sleep_known": true})j",
      }) {
    EXPECT_NE(json.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace orvanta::present
