#include "platform/win32/main_window_shell.h"

#include "ui/application.h"
#include "ui/form.h"

namespace orvanta::platform {

bool MainWindowShell::OpenDefault(const std::string& target) {
  HWND owner = nullptr;
  if (const ui::Application* app = ui::Application::Current()) {
    if (const ui::Form* main = app->MainForm()) {
      owner = m_host.NativeWindow(main->Window());
    }
  }
  m_shell.SetOwner(owner);
  return m_shell.OpenDefault(target);
}

bool MainWindowShell::OpenVerb(const std::string& target, controls::ShellWait wait) {
  return m_shell.OpenVerb(target, wait);
}

void MainWindowShell::OpenWith(const std::string& extensionPattern) {
  m_shell.OpenWith(extensionPattern);
}

}  // namespace orvanta::platform
