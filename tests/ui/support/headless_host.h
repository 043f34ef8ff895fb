#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/window_host.h"

namespace orvanta::ui::testing {

// A window host without a display: it keeps the windows' state, records every presented frame,
// replays injected events and runs on a fake clock that only the test moves.
class HeadlessHost : public WindowHost {
 public:
  struct WindowState {
    WindowSpec Spec;
    std::string Title;
    gfx::Rect Bounds;  // client area, screen pixels
    bool Visible = false;
    bool InputEnabled = true;
    bool Maximized = false;
    bool Destroyed = false;
    CursorKind Cursor = CursorKind::Arrow;
    int Presents = 0;
    gfx::Rect LastArea;
    gfx::Bitmap Screen;  // what the window shows: every presented area copied in
  };

  // WindowHost.
  WindowId Open(const WindowSpec& request) override;
  void Show(WindowId window) override;
  void Hide(WindowId window) override;
  void Destroy(WindowId window) override;
  void SetTitle(WindowId window, std::string_view title) override;
  void SetClientBounds(WindowId window, const gfx::Rect& bounds) override;
  void SetInputEnabled(WindowId window, bool enabled) override;
  void Activate(WindowId window) override;
  bool IsMaximized(WindowId window) override {
    return Find(window) != nullptr && Find(window)->Maximized;
  }
  gfx::Point ClientToScreen(WindowId window, gfx::Point client) override;
  gfx::Rect DesktopRect() override { return Desktop; }
  gfx::Rect FrameMargins(const WindowSpec&) override { return Frame; }
  void Present(WindowId window, const gfx::Bitmap& frame, const gfx::Rect& area) override;
  void SetCapture(WindowId window) override { CaptureWindow = window; }
  void ReleaseCapture() override { CaptureWindow = kNoWindow; }
  void SetCursor(WindowId window, CursorKind cursor) override;
  void BeginSizeFromBottomRight(WindowId window) override { SizeOperations.push_back(window); }
  int WheelScrollLines() override { return WheelLines; }
  std::int64_t NowMs() override { return Now; }
  std::optional<HostEvent> WaitEvent(std::int64_t timeoutMs) override;

  // Driving it.
  void Inject(const HostEvent& e) { m_queue.push_back(e); }
  void MouseMove(WindowId w, gfx::Point p, ShiftState shift = kShiftNone);
  void MouseDown(WindowId w, gfx::Point p, MouseButton b = MouseButton::Left,
                 ShiftState shift = kShiftNone);
  void MouseUp(WindowId w, gfx::Point p, MouseButton b = MouseButton::Left,
               ShiftState shift = kShiftNone);
  void Click(WindowId w, gfx::Point p) {
    MouseMove(w, p);
    MouseDown(w, p);
    MouseUp(w, p);
  }
  void Wheel(WindowId w, gfx::Point p, int notches);
  void Key(WindowId w, unsigned key, ShiftState shift = kShiftNone);  // down and up
  void Char(WindowId w, char32_t c, ShiftState shift = kShiftNone);
  void Close(WindowId w);
  void Advance(std::int64_t ms) { Now += ms; }
  std::size_t Pending() const { return m_queue.size(); }

  const WindowState& State(WindowId window) const { return m_windows.at(window); }
  WindowState& State(WindowId window) { return m_windows.at(window); }
  WindowId LastOpened() const { return m_nextId - 1; }
  WindowId ActiveWindow() const { return m_active; }

  // Called when the application would wait with nothing queued: the test injects the next
  // step or moves the clock. Without it, a wait moves the clock by the timeout, and a wait
  // without a timeout fails the test instead of hanging it.
  std::function<void()> OnIdle;

  gfx::Rect Desktop{0, 0, 1024, 768};
  gfx::Rect Frame;  // frame margins: none unless a test sets them
  int WheelLines = 3;
  std::int64_t Now = 1000;
  WindowId CaptureWindow = kNoWindow;
  std::vector<WindowId> SizeOperations;
  int PresentCount = 0;
  std::vector<gfx::Rect> PresentedAreas;

 private:
  WindowState* Find(WindowId window);

  std::map<WindowId, WindowState> m_windows;
  std::deque<HostEvent> m_queue;
  WindowId m_nextId = 1;
  WindowId m_active = kNoWindow;
};

}  // namespace orvanta::ui::testing
