#pragma once

#include <memory>
#include <type_traits>

#include "platform/win32/windows_api.h"

namespace orvanta::platform {

// Deleter that releases a handle with the given Win32 function.
template <auto Release>
struct ReleaseWith {
  template <typename Handle>
  void operator()(Handle handle) const {
    Release(handle);
  }
};

using UniqueEventLog = std::unique_ptr<void, ReleaseWith<&::CloseEventLog>>;
using UniqueKernelHandle = std::unique_ptr<void, ReleaseWith<&::CloseHandle>>;
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, ReleaseWith<&::DeleteDC>>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, ReleaseWith<&::DeleteObject>>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ReleaseWith<&::DeleteObject>>;

// Selects a GDI object into a DC for the guard's lifetime and restores the previous one.
class SelectionGuard {
 public:
  SelectionGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
  ~SelectionGuard() {
    if (m_previous != nullptr && m_previous != HGDI_ERROR) {
      SelectObject(m_dc, m_previous);
    }
  }
  SelectionGuard(const SelectionGuard&) = delete;
  SelectionGuard& operator=(const SelectionGuard&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// The DC of a window (of the screen for a null window), released when the guard goes.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
  ~WindowDc() {
    if (m_dc != nullptr) {
      ReleaseDC(m_hwnd, m_dc);
    }
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return m_dc; }

 private:
  HWND m_hwnd;
  HDC m_dc;
};

}  // namespace orvanta::platform
