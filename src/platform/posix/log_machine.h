#pragma once

#include <string>

namespace orvanta::platform {

// The machine a log names, as a report of several logs heads it: a systemd journal file or
// directory, the _HOSTNAME of its newest entry; an event log file (.evtx or .evt), the computer
// name of its newest record. Empty for logs that name none (wtmp, wtmpdb) and where it cannot be
// read.
std::string MachineOfLog(const std::string& path);

}  // namespace orvanta::platform
