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

// The record layouts of the machines that write wtmp files: 384 bytes with 32-bit session and
// times (x86-64, i386, 32-bit ARM, RISC-V; 32-bit PowerPC big-endian), 400 bytes with 64-bit
// ones (aarch64; s390x big-endian).
enum class WtmpFormat { Little384, Big384, Little400, Big400 };
inline constexpr WtmpFormat kWtmpFormats[] = {WtmpFormat::Little384, WtmpFormat::Big384,
                                              WtmpFormat::Little400, WtmpFormat::Big400};

std::size_t WtmpRecordSize(WtmpFormat format);

// One record of a wtmp file in the given format.
std::vector<std::uint8_t> BuildWtmpRecord(const WtmpEntry& entry,
                                          WtmpFormat format = WtmpFormat::Little384);

// A wtmp file holding the entries in the given (oldest first) order.
std::vector<std::uint8_t> WriteWtmpFile(const std::vector<WtmpEntry>& oldestFirst,
                                        WtmpFormat format = WtmpFormat::Little384);

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
