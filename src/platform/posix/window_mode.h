#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace orvanta::platform {

// Opens the main window on the runs of a log file (this machine's login records when none is
// named) and returns the program's exit status when it closes. A file that cannot be read or
// is no log prints "orvanta: FILE: reason" to err and shows an empty history; without a
// display it says so on err, suggests the report mode and returns 1.
int RunWindow(const std::optional<std::string>& path, std::FILE* err);

}  // namespace orvanta::platform
