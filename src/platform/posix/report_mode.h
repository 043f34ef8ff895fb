#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "present/run_report.h"

namespace orvanta::platform {

// This machine's login records, read when no file is named.
inline constexpr const char* kDefaultLogPath = "/var/log/wtmp";

// Prints the runs of the log file (this machine's login records when none is named) to out in
// the given form and returns 0: as text, what the window would show; as CSV or JSON, the
// exports. A file that cannot be read or is no log prints "orvanta: FILE: reason" to err and
// returns 1.
int RunReport(const std::optional<std::string>& path, present::ReportFormat format, std::FILE* out,
              std::FILE* err);

}  // namespace orvanta::platform
