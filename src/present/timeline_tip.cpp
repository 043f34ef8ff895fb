#include "present/timeline_tip.h"

#include <array>
#include <cstdio>

#include "present/duration_text.h"

namespace orvanta::present {

namespace {

constexpr std::array<const char*, 6> kSleepKindNames = {"睡眠",     "睡眠",       "休眠",
                                                        "混合睡眠", "睡眠后休眠", "现代待机"};
constexpr std::array<const char*, 4> kEndFoundBy = {"正常关机", "下次启动时报告的时间",
                                                    "最后的运行记录", "仍在运行"};

std::string Minute(std::int64_t utc, const history::ZoneOffset& zone) {
  const history::LocalFields f = history::ToLocalFields(utc, zone);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", static_cast<int>(f.Year), f.Month,
                f.Day, f.Hour, f.Minute);
  return text;
}

std::string Span(const TimelineTipSource& source, const char* kind, std::int64_t from,
                 std::int64_t to) {
  std::string length = FormatDuration(to - from);
  if (length.empty()) {
    length = "0 秒";
  }
  return std::string(kind) + "\n开始: " + Minute(from, source.Zone) +
         "\n结束: " + Minute(to, source.Zone) + "\n时长: " + length;
}

const char* Attendance(const std::optional<bool>& attended) {
  return !attended ? "未知" : (*attended ? "是" : "否");
}

}  // namespace

std::string TimelinePieceTip(const TimelineTipSource& source, const history::TimelinePiece& piece) {
  if (piece.Run >= source.Power.Runs.size()) {
    return {};
  }
  const history::RunPower& run = source.Power.Runs[piece.Run];
  if (piece.Kind == history::TimelineKind::Awake) {
    if (piece.Item > run.Sleeps.size()) {
      return {};
    }
    const history::UtcSpan awake = history::AwakeSegment(run, piece.Item, source.Until);
    std::string text = Span(source, "开机", awake.From, awake.To);
    if (piece.Run < source.Runs.size() && !source.Runs[piece.Run].UserName.empty()) {
      text += "\n用户: " + source.Runs[piece.Run].UserName;
    }
    return text;
  }
  if (piece.Item >= run.Sleeps.size()) {
    return {};
  }
  const history::SleepPeriod& sleep = run.Sleeps[piece.Item];
  std::string text = Span(
      source, kSleepKindNames.at(static_cast<std::size_t>(sleep.Kind) % kSleepKindNames.size()),
      sleep.From, sleep.To);
  text += "\n唤醒来源: " + (sleep.WakeSource.empty() ? std::string("未知") : sleep.WakeSource);
  text += std::string("\n有人使用: ") + Attendance(sleep.Attended);
  return text;
}

std::string TimelineMarkTip(const TimelineTipSource& source, const history::TimelineMark& mark) {
  if (mark.Run >= source.Power.Runs.size()) {
    return {};
  }
  const history::RunPower& run = source.Power.Runs[mark.Run];
  if (mark.Kind == history::TimelineMarkKind::UnexpectedEnd) {
    if (!run.End) {
      return {};
    }
    return "意外关机\n时间: " + Minute(*run.End, source.Zone) + "\n发现方式: " +
           kEndFoundBy.at(static_cast<std::size_t>(run.EndFoundBy) % kEndFoundBy.size());
  }
  if (mark.Item >= run.Sleeps.size()) {
    return {};
  }
  const history::SleepPeriod& sleep = run.Sleeps[mark.Item];
  return "无人使用的唤醒\n时间: " + Minute(sleep.To, source.Zone) +
         "\n唤醒来源: " + (sleep.WakeSource.empty() ? std::string("未知") : sleep.WakeSource) +
         "\n有人使用: 否";
}

}  // namespace orvanta::present
