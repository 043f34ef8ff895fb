#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvanta::testsupport {

// Entry types of a glibc utmp record.
enum class UtType : std::int16_t {
  Empty = 0,
  RunLevel = 1,
  BootTime = 2,
  NewTime = 3,
  OldTime = 4,
  InitProcess = 5,
  LoginProcess = 6,
  UserProcess = 7,
  DeadProcess = 8,
  Accounting = 9,
};

struct WtmpEntry {
  UtType Type = UtType::Empty;
  std::string User;
  std::int32_t Time = 0;  // seconds since 1970-01-01 UTC
  std::string Line = "~";
  std::int32_t Pid = 0;
  std::string Host;
};

inline constexpr std::size_t kWtmpRecordSize = 384;

// One 384-byte record of a glibc x86-64 wtmp file.
std::vector<std::uint8_t> BuildWtmpRecord(const WtmpEntry& entry);

// A wtmp file holding the entries in the given (oldest first) order.
std::vector<std::uint8_t> WriteWtmpFile(const std::vector<WtmpEntry>& oldestFirst);

// The three entries a boot and a shutdown leave, as init and login write them.
inline WtmpEntry BootEntry(std::int32_t time) {
  return {UtType::BootTime, "reboot", time, "~", 0, "6.1.0"};
}
inline WtmpEntry ShutdownEntry(std::int32_t time) {
  return {UtType::RunLevel, "shutdown", time, "~~", 0, "6.1.0"};
}
inline WtmpEntry LoginEntry(std::int32_t time, std::string user) {
  return {UtType::UserProcess, std::move(user), time, "pts/0", 1234, "10.0.0.1"};
}

}  // namespace orvanta::testsupport
