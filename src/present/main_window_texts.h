#pragma once

#include <string_view>

namespace orvanta::present {

// The main window's sixteen texts, in the order the window assigns them. The unit words begin
// with one space; colons, comma, full stops, slash and parentheses are ASCII.
struct MainWindowTexts {
  std::string_view HomePageAddress;
  std::string_view UpdatePageAddress;
  std::string_view DayUnit;
  std::string_view HourUnit;
  std::string_view MinuteUnit;
  std::string_view SecondUnit;
  std::string_view RunCountLabel;
  std::string_view DaySpanLabel;
  std::string_view TotalLabel;
  std::string_view TotalUnit;
  std::string_view AverageLabel;
  std::string_view AverageUnit;
  std::string_view RunningText;
  std::string_view CleanShutdownText;
  std::string_view AbnormalEndText;
  std::string_view MissingBootText;
};

inline constexpr MainWindowTexts kMainWindowTexts = {
    .HomePageAddress = "https://orvanta.example/",
    .UpdatePageAddress = "https://orvanta.example/orvanta/",
    .DayUnit = " 天",
    .HourUnit = " 时",
    .MinuteUnit = " 分",
    .SecondUnit = " 秒",
    .RunCountLabel = "记录数:",
    .DaySpanLabel = "天数:",
    .TotalLabel = "总计:",
    .TotalUnit = "小时",
    .AverageLabel = "平均:",
    .AverageUnit = "(小时/次)",
    .RunningText = "正常,运行中...",
    .CleanShutdownText = "正常关机",
    .AbnormalEndText = "非正常关机",
    .MissingBootText = "无开机记录",
};

}  // namespace orvanta::present
