#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::app {

// The system the program runs on, as far as the window's texts differ: how it writes paths
// and what the uptime label calls it.
enum class HostSystem { Windows, Linux };

// The last part of a path ("wtmp" of "/var/log/wtmp", "journal" of "/var/log/journal/"): after
// the last '/', and on Windows also after the last '\'. The path itself when it has no such part.
std::string PathBaseName(std::string_view path, HostSystem system);

// The main window's title: "NAME - Orvanta" for a saved log (NAME its base name), as document
// windows are named; "Orvanta" for this machine's own history.
std::string MainWindowCaption(const std::optional<std::string>& logFile, HostSystem system);

// The caption before the value label on the log page: this system's uptime while its own
// history is shown; for a saved log, the time its records reach ("日志截至:").
std::string_view UptimeLabelCaption(const std::optional<std::string>& logFile, HostSystem system);

}  // namespace orvanta::app
