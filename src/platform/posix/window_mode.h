#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "platform/posix/history_open.h"

namespace orvanta::platform {

// Opens the main window on the runs of the history asked for and returns the program's exit
// status when it closes. A history that cannot be read prints "orvanta: NAME: reason" to err
// and shows an empty history; without a display it says so on err, suggests the report mode
// and returns 1.
int RunWindow(const HistoryRequest& request, std::FILE* err);

}  // namespace orvanta::platform
