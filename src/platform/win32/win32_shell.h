#pragma once

#include <string>

#include "controls/shell.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {

// The Windows shell (shell32). The owner window is the parent of any window the shell shows
// for the default action; the link labels' calls run with no owner and no error messages.
class Win32Shell final : public controls::Shell {
 public:
  explicit Win32Shell(HWND owner = nullptr) : m_owner(owner) {}
  void SetOwner(HWND owner) { m_owner = owner; }

  bool OpenDefault(const std::string& target) override;
  bool OpenVerb(const std::string& target, controls::ShellWait wait) override;
  void OpenWith(const std::string& extensionPattern) override;

 private:
  HWND m_owner;
};

}  // namespace orvanta::platform
