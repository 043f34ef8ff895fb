#include "platform/win32/window_class.h"

#include <utility>

namespace orvanta::platform {
namespace {

// The resource id of the program icon in orvanta.rc.
constexpr WORD kProgramIconId = 1;

HICON LoadProgramIcon(HINSTANCE instance, int size) {
  // Shared icons are owned by the system: nothing to free.
  return static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace

std::optional<WindowClass> WindowClass::Register(HINSTANCE instance, const wchar_t* name,
                                                 WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadProgramIcon(instance, GetSystemMetrics(SM_CXICON));
  wc.hIconSm = LoadProgramIcon(instance, GetSystemMetrics(SM_CXSMICON));
  wc.hCursor = nullptr;  // WM_SETCURSOR sets the pointer the controls asked for
  wc.hbrBackground = nullptr;
  wc.lpszClassName = name;
  if (RegisterClassExW(&wc) == 0) {
    return std::nullopt;
  }
  return WindowClass(instance, name);
}

WindowClass::WindowClass(WindowClass&& other) noexcept
    : m_instance(other.m_instance), m_name(std::exchange(other.m_name, {})) {}

WindowClass::~WindowClass() {
  if (!m_name.empty()) {
    UnregisterClassW(m_name.c_str(), m_instance);
  }
}

}  // namespace orvanta::platform
