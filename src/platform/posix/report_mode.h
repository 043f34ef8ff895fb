#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "platform/posix/history_open.h"

namespace orvanta::platform {

// This machine's login records, read when no file is named.
inline constexpr const char* kDefaultLogPath = "/var/log/wtmp";

// Prints what the window would show for the history asked for as tab-separated text to out
// and returns 0; a history that cannot be read prints "orvanta: NAME: reason" to err and
// returns 1. One read only in part is reported whole as far as it goes, with a line on err.
int RunReport(const HistoryRequest& request, std::FILE* out, std::FILE* err);

}  // namespace orvanta::platform
