#pragma once

#include <memory>

#include "platform/win32/windows_api.h"
#include "ui/window_host.h"

namespace orvanta::platform {

// The window host on Win32: one top-level HWND per window, frames blitted with
// SetDIBitsToDevice, input turned into host events by the window procedure and served by
// WaitEvent. While the system runs a loop of its own (the user sizes or moves a window, or the
// system menu is open) the host keeps the application going through the nested pump.
class Win32WindowHost final : public ui::WindowHost {
 public:
  // Registers the window class. Null when the system refuses it.
  static std::unique_ptr<Win32WindowHost> Create(HINSTANCE instance);
  ~Win32WindowHost() override;
  Win32WindowHost(const Win32WindowHost&) = delete;
  Win32WindowHost& operator=(const Win32WindowHost&) = delete;

  // The system's handle of a window, for platform code that needs an owner window; null for
  // an unknown or destroyed window.
  HWND NativeWindow(ui::WindowId window) const;

  ui::WindowId Open(const ui::WindowSpec& request) override;
  void Show(ui::WindowId window) override;
  void Hide(ui::WindowId window) override;
  void Destroy(ui::WindowId window) override;
  void SetTitle(ui::WindowId window, std::string_view title) override;
  void SetClientBounds(ui::WindowId window, const gfx::Rect& bounds) override;
  void SetInputEnabled(ui::WindowId window, bool enabled) override;
  void Activate(ui::WindowId window) override;
  bool IsMaximized(ui::WindowId window) override;
  gfx::Point ClientToScreen(ui::WindowId window, gfx::Point client) override;
  gfx::Rect DesktopRect() override;
  gfx::Rect FrameMargins(const ui::WindowSpec& request) override;
  void Present(ui::WindowId window, const gfx::Bitmap& frame, const gfx::Rect& area) override;
  void SetCapture(ui::WindowId window) override;
  void ReleaseCapture() override;
  void SetCursor(ui::WindowId window, ui::CursorKind cursor) override;
  void BeginSizeFromBottomRight(ui::WindowId window) override;
  int WheelScrollLines() override;
  std::int64_t NowMs() override;
  std::optional<ui::HostEvent> WaitEvent(std::int64_t timeoutMs) override;

  struct Impl;

 private:
  Win32WindowHost();
  std::unique_ptr<Impl> m_impl;
};

}  // namespace orvanta::platform
