#pragma once

#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window_host.h"

namespace orvanta::platform {

// The shell with the program's main window as the owner of anything it shows for the
// toolbar's web pages. The main window exists only once the program runs, so its handle is
// looked up at each call.
class MainWindowShell final : public controls::Shell {
 public:
  explicit MainWindowShell(const Win32WindowHost& host) : m_host(host) {}

  bool OpenDefault(const std::string& target) override;
  bool OpenVerb(const std::string& target, controls::ShellWait wait) override;
  void OpenWith(const std::string& extensionPattern) override;

 private:
  const Win32WindowHost& m_host;
  Win32Shell m_shell;
};

}  // namespace orvanta::platform
