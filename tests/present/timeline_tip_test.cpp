#include "present/timeline_tip.h"

#include <gtest/gtest.h>

namespace orvanta::present {
namespace {

std::int32_t China(std::int64_t) {
  return 8 * 3600;
}

TEST(TimelineTip, NamesKindTimesLengthAndWhatTheLogSaysOfIt) {
  // UTC+8: local 2024-03-10 08:00 boot, asleep 12:00-13:30 (woken by the power button, nobody
  // stayed), found ended at 20:05 by the next boot.
  constexpr std::int64_t kBoot = 1710028800;
  history::RunPower run;
  run.Start = kBoot;
  run.End = kBoot + 12 * 3600 + 300;
  run.EndFoundBy = history::RunEnd::Reported;
  run.Sleeps = {{kBoot + 4 * 3600, kBoot + 5 * 3600 + 1800, history::SleepKind::Hibernate,
                 "电源按钮", false}};
  history::PowerHistory power;
  power.Runs = {run};
  history::RunList runs(1);
  runs[0].UserName = "alice";
  const history::ZoneOffset zone = China;
  const TimelineTipSource source{runs, power, kBoot + 86400, zone};
  using history::TimelineKind;
  EXPECT_EQ(TimelinePieceTip(source, {0, 0, TimelineKind::Awake, 0, 0}),
            "开机\n开始: 2024-03-10 08:00\n结束: 2024-03-10 12:00\n时长: 4 时\n用户: alice");
  EXPECT_EQ(TimelinePieceTip(source, {0, 0, TimelineKind::Awake, 0, 1}),
            "开机\n开始: 2024-03-10 13:30\n结束: 2024-03-10 20:05\n时长: 6 时35 分\n用户: alice");
  EXPECT_EQ(TimelinePieceTip(source, {0, 0, TimelineKind::Asleep, 0, 0}),
            "休眠\n开始: 2024-03-10 12:00\n结束: 2024-03-10 13:30\n时长: 1 时30 分\n"
            "唤醒来源: 电源按钮\n有人使用: 否");
  EXPECT_EQ(TimelineMarkTip(source, {0, history::TimelineMarkKind::UnexpectedEnd, 0, 0}),
            "意外关机\n时间: 2024-03-10 20:05\n发现方式: 下次启动时报告的时间");
  // Indices the history does not hold give no tip.
  EXPECT_EQ(TimelinePieceTip(source, {0, 0, TimelineKind::Asleep, 0, 1}), "");
  EXPECT_EQ(TimelineMarkTip(source, {0, history::TimelineMarkKind::UnattendedWake, 3, 0}), "");
}

}  // namespace
}  // namespace orvanta::present
