#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace orvanta::platform {

// This machine's login records, read when no file is named.
inline constexpr const char* kDefaultLogPath = "/var/log/wtmp";

// Prints what the window would show for the log file (this machine's login records when none
// is named) as tab-separated text to out and returns 0; a file that cannot be read or is no log
// prints "orvanta: FILE: reason" to err and returns 1.
int RunReport(const std::optional<std::string>& path, std::FILE* out, std::FILE* err);

}  // namespace orvanta::platform
