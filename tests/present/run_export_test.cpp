#include "present/run_export.h"

#include <gtest/gtest.h>

#include "present/export_fixture.h"
#include "present/export_text.h"

namespace orvanta::present {
namespace {

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
      FormatRunCsv(refresh, 480),
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
  EXPECT_EQ(FormatRunCsv(refresh, 0), "boot,shutdown,run_seconds,run_length,user,state,status\r\n");
  EXPECT_EQ(FormatRunJson(refresh, "w", 0),
            "{\n  \"source\": \"w\",\n  \"runs\": [],\n  \"summary\": {\"count\": 0, \"days\": 0, "
            "\"total_hours\": 0, \"average_hours\": 0, \"total_seconds\": 0}\n}\n");
}

}  // namespace
}  // namespace orvanta::present
