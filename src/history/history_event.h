#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvanta::history {

// What a log says happened, whatever its format: every reader turns its records into these.
enum class EventKind : std::uint8_t {
  Boot,  // a boot that starts a run: the event log service starting, a boot entry
  // A record that a boot writes first (Kernel-Boot 27 with the boot's type, Kernel-General 12,
  // the version banner 6009), before its boot event if it has one: a hybrid boot or a resume
  // from hibernation ends a hibernation inside a run.
  BootTypeReport,
  CleanShutdown,
  Logon,
  SleepStart,
  SleepEnd,
  // A program asked for a restart or power-off for a user; its details go to the clean
  // shutdown that follows, and its user and SID name that SID for the whole log.
  ShutdownRequest,
  UnexpectedShutdownReport,  // written at the next boot, with the time the last run ended
  ClockChange,
  LastSignOfLife,  // any other record: the machine was running then
};

enum class BootType : std::uint8_t { Unknown, Cold, Hybrid, ResumeFromHibernation };

enum class SleepKind : std::uint8_t {
  Unknown,
  Sleep,
  Hibernate,
  HybridSleep,
  SuspendThenHibernate,
  ModernStandby,
};

// Who asked for a shutdown and why, as the log words it (empty where it does not say).
struct ShutdownDetails {
  std::string Initiator;   // the process that asked
  std::string User;        // the account it asked for, "DOMAIN\name" as logged
  std::string Reason;      // the reason text
  std::string ReasonCode;  // as logged, "0x80020003"
  std::string Kind;        // "restart", "power off", ...

  bool Empty() const { return Initiator.empty() && User.empty() && Reason.empty() && Kind.empty(); }
  friend bool operator==(const ShutdownDetails&, const ShutdownDetails&) = default;
};

// One event of a history. Times are seconds since 1970 UTC.
struct HistoryEvent {
  EventKind Kind = EventKind::LastSignOfLife;
  std::int64_t Seconds = 0;
  std::uint64_t RecordId = 0;  // the source's record number, 0 where it has none
  // The account: a name where the log records one (wtmp, the journal), else the SID bytes.
  std::string User;
  std::vector<std::uint8_t> Sid;

  BootType Boot = BootType::Unknown;     // Boot, BootTypeReport
  SleepKind Sleep = SleepKind::Unknown;  // SleepStart, SleepEnd
  // SleepEnd: when the sleep began, where the record says (Power-Troubleshooter 1).
  // UnexpectedShutdownReport: the reported end. ClockChange: the time before the change.
  std::optional<std::int64_t> OtherSeconds;
  std::string WakeSource;        // SleepEnd: as the log names it, empty when unknown
  std::optional<bool> Attended;  // SleepEnd: whether a person stayed, where known
  bool Failed = false;           // SleepEnd: going to sleep failed, the machine never slept
  ShutdownDetails Shutdown;      // ShutdownRequest, or CleanShutdown where it says

  friend bool operator==(const HistoryEvent&, const HistoryEvent&) = default;
};

}  // namespace orvanta::history
