#pragma once

#include <optional>
#include <string>

#include "platform/win32/windows_api.h"

namespace orvanta::platform {

// A registered window class, unregistered when the object goes. The class carries the
// program icon (resource 1) when the executable has one, no background brush (every client
// pixel is painted by the host) and no double-click messages (the framework counts clicks
// itself).
class WindowClass {
 public:
  static std::optional<WindowClass> Register(HINSTANCE instance, const wchar_t* name,
                                             WNDPROC procedure);
  ~WindowClass();
  WindowClass(WindowClass&& other) noexcept;
  WindowClass& operator=(WindowClass&&) = delete;
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;

  const wchar_t* Name() const { return m_name.c_str(); }
  HINSTANCE Instance() const { return m_instance; }

 private:
  WindowClass(HINSTANCE instance, std::wstring name)
      : m_instance(instance), m_name(std::move(name)) {}

  HINSTANCE m_instance = nullptr;
  std::wstring m_name;  // empty once moved from
};

}  // namespace orvanta::platform
