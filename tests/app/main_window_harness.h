#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "controls/shell.h"
#include "history/clock.h"
#include "history/event_record_history.h"
#include "history/sid.h"
#include "support/evt_writer.h"
#include "support/fakes.h"
#include "support/worked_example.h"

namespace orvanta::app::testing {

// A clock the test sets: the local time now, the time since boot, and the zone's offset.
class FakeClock final : public history::Clock {
 public:
  history::SystemTime Now{2024, 3, 10, 12, 34, 56, 0};
  std::uint64_t UptimeMs = 3'723'000;  // 1 h 2 min 3 s
  int BiasMinutes = 0;

  history::SystemTime LocalNow() override { return Now; }
  std::optional<history::SystemTime> UtcToLocal(const history::SystemTime& utc) override {
    history::SystemTime local = utc;
    local.Hour += BiasMinutes / 60;
    local.Minute += BiasMinutes % 60;
    return local;  // the caller only reads the difference
  }
  std::uint64_t MillisecondsSinceBoot() override { return UptimeMs; }
};

// Remembers what the window asked the shell to open.
class RecordingShell final : public controls::Shell {
 public:
  std::vector<std::string> Opened;
  bool OpenDefault(const std::string& target) override {
    Opened.push_back(target);
    return true;
  }
  bool OpenVerb(const std::string& target, controls::ShellWait) override {
    Opened.push_back(target);
    return true;
  }
  void OpenWith(const std::string&) override {}
};

// The SIDs of the worked example's two users and the names the fake accounts give them.
inline std::vector<std::uint8_t> UserSidA() {
  return history::EncodeSid(history::MakeSid(5, {21, 9, 9, 9, 1001}));
}
inline std::vector<std::uint8_t> UserSidB() {
  return history::EncodeSid(history::MakeSid(5, {21, 9, 9, 9, 1002}));
}

// Records of events as the log serves them: newest first.
inline std::vector<std::vector<std::uint8_t>> NewestFirst(
    const std::vector<testsupport::EventSpec>& oldestFirst) {
  std::vector<std::vector<std::uint8_t>> records;
  std::uint32_t number = static_cast<std::uint32_t>(oldestFirst.size());
  for (auto event = oldestFirst.rbegin(); event != oldestFirst.rend(); ++event) {
    records.push_back(testsupport::BuildEventRecord(*event, number--));
  }
  return records;
}

inline std::vector<std::vector<std::uint8_t>> WorkedExampleRecords() {
  return NewestFirst(testsupport::WorkedExampleEvents(UserSidA(), UserSidB()));
}

// The platform of a main window under test: fake clock, shell, log and accounts. The log
// serves Records afresh on every refresh and counts how often it was opened.
struct MainWindowServices {
  MainWindowServices(ui::WindowHost& host, gfx::GlyphSource& glyphs)
      : Services{.Host = host,
                 .Glyphs = glyphs,
                 .Palette = gfx::SystemPalette::Classic(),
                 .Clock = Clock,
                 .Shell = Shell,
                 .OpenSystemLog = [this]() -> std::unique_ptr<history::EventHistory> {
                   ++LogOpenings;
                   return std::make_unique<history::EventRecordHistory>(
                       std::make_unique<testsupport::FakeEventLog>(Records));
                 },
                 .OpenAccounts = [this]() -> std::unique_ptr<history::AccountApi> {
                   return std::make_unique<testsupport::FakeAccounts>(Accounts);
                 }} {
    Accounts.Names = {
        {"S-1-5-21-9-9-9-1001", "userA"}, {"S-1-5-21-9-9-9-1002", "userB"}, {"S-1-5-18", "SYSTEM"}};
  }

  FakeClock Clock;
  RecordingShell Shell;
  testsupport::FakeAccounts Accounts;
  std::vector<std::vector<std::uint8_t>> Records = WorkedExampleRecords();
  int LogOpenings = 0;
  PlatformServices Services;
};

}  // namespace orvanta::app::testing
