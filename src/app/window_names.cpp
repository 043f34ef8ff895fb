#include "app/window_names.h"

namespace orvanta::app {

std::string PathBaseName(std::string_view path, HostSystem system) {
  const std::string_view separators = system == HostSystem::Windows ? "/\\" : "/";
  const std::size_t end = path.find_last_not_of(separators);
  if (end == std::string_view::npos) {
    return std::string(path);
  }
  const std::size_t start = path.find_last_of(separators, end);
  const std::size_t first = start == std::string_view::npos ? 0 : start + 1;
  return std::string(path.substr(first, end + 1 - first));
}

std::string MainWindowCaption(const std::optional<std::string>& logFile, HostSystem system) {
  constexpr std::string_view kProgramName = "Orvanta";
  if (!logFile) {
    return std::string(kProgramName);
  }
  std::string caption = PathBaseName(*logFile, system);
  caption += " - ";
  caption += kProgramName;
  return caption;
}

std::string_view UptimeLabelCaption(const std::optional<std::string>& logFile, HostSystem system) {
  if (logFile) {
    return " 日志截至:";
  }
  return system == HostSystem::Windows ? " Windows已运行时间:" : " 系统已运行时间:";
}

}  // namespace orvanta::app
