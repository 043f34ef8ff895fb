#pragma once

#include <memory>
#include <string>

#include "ui/window_host.h"

namespace orvanta::platform {

// The window host on X11: one X window per top-level window, frames put on the screen with
// XPutImage, timers served by waiting on the connection with select(). Needs a 24- or 32-bit
// TrueColor visual. The X declarations stay in the implementation, away from the callers.
class X11Host final : public ui::WindowHost {
 public:
  // Connects to the display (DISPLAY when displayName is null). Null when there is no display
  // or it cannot show our pixels; FailureReason() then says why, in a sentence.
  static std::unique_ptr<X11Host> Connect(const char* displayName = nullptr);
  static std::string FailureReason();
  ~X11Host() override;
  X11Host(const X11Host&) = delete;
  X11Host& operator=(const X11Host&) = delete;

  ui::WindowId Open(const ui::WindowSpec& request) override;
  void Show(ui::WindowId window) override;
  void Hide(ui::WindowId window) override;
  void Destroy(ui::WindowId window) override;
  void SetTitle(ui::WindowId window, std::string_view title) override;
  void SetClientBounds(ui::WindowId window, const gfx::Rect& bounds) override;
  void SetInputEnabled(ui::WindowId, bool) override {}
  void Activate(ui::WindowId window) override;
  bool IsMaximized(ui::WindowId window) override;
  gfx::Point ClientToScreen(ui::WindowId window, gfx::Point client) override;
  gfx::Rect DesktopRect() override;
  void Present(ui::WindowId window, const gfx::Bitmap& frame, const gfx::Rect& area) override;
  void SetCapture(ui::WindowId window) override;
  void ReleaseCapture() override;
  void SetCursor(ui::WindowId window, ui::CursorKind cursor) override;
  void BeginSizeFromBottomRight(ui::WindowId window) override;
  int WheelScrollLines() override { return 3; }
  std::int64_t NowMs() override;
  std::optional<ui::HostEvent> WaitEvent(std::int64_t timeoutMs) override;

  struct Impl;

 private:
  explicit X11Host(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> m_impl;
};

}  // namespace orvanta::platform
