#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "ui/cursor.h"
#include "ui/events.h"
#include "ui/keys.h"

namespace orvanta::ui {

// One top-level window of the host; 0 is no window.
using WindowId = std::uint32_t;
constexpr WindowId kNoWindow = 0;

enum class WindowKind {
  Sizeable,  // caption and a frame the user can drag
  Dialog,    // caption and a fixed single frame
  Popup,     // no decoration, never activated, never takes the focus (hint windows)
};

struct WindowSpec {
  WindowKind Kind = WindowKind::Sizeable;
  std::string Title;           // UTF-8
  gfx::Rect ClientBounds;      // the client area in screen pixels; the frame goes around it
  WindowId Owner = kNoWindow;  // stays above its owner; minimised and closed with it
  bool Modal = false;          // shown modally over Owner (the framework disables Owner itself)
  bool SystemMenu = true;
  bool MinimizeBox = true;
  bool MaximizeBox = true;
};

enum class HostEventKind {
  MouseDown,
  MouseUp,
  MouseMove,
  MouseLeave,  // the pointer left the client area (and no capture holds it)
  Wheel,
  KeyDown,
  KeyUp,
  Char,
  CloseRequest,  // the close box, Alt+F4 or the window manager's close
  Exposed,       // part of the client area must be shown again (Area)
  Resized,       // the user changed the client size (ClientSize)
  Activated,     // the window got the keyboard focus
  Deactivated,
  CaptureLost,  // the capture ended without our asking
};

// An event from the host. Mouse positions are client pixels of Window, also outside the client
// area while the mouse is captured. Shift carries the modifier keys only (Shift, Ctrl, Alt); the
// framework tracks the mouse buttons itself.
struct HostEvent {
  HostEventKind Kind = HostEventKind::MouseMove;
  WindowId Window = kNoWindow;
  gfx::Point Position{};
  MouseButton Button = MouseButton::None;
  ShiftState Shift = kShiftNone;
  int WheelNotches = 0;    // positive: turned away from the user
  unsigned Key = kVkNone;  // KeyDown, KeyUp: a VirtualKey
  bool Repeat = false;     // KeyDown from auto-repeat
  char32_t Char = 0;       // Char: a printable character (no control characters)
  gfx::Rect Area{};        // Exposed
  gfx::Size ClientSize{};  // Resized
};

// What the framework needs of the windowing system. The X11 host and the Win32 host implement
// it; HeadlessHost in the tests records frames and replays injected events. Every call comes
// from the one user-interface thread. Calls with an unknown or destroyed window do nothing.
class WindowHost {
 public:
  virtual ~WindowHost() = default;

  // Windows. Open creates a hidden window and returns kNoWindow when it cannot.
  virtual WindowId Open(const WindowSpec& request) = 0;
  virtual void Show(WindowId window) = 0;  // popups show without being activated
  virtual void Hide(WindowId window) = 0;
  virtual void Destroy(WindowId window) = 0;
  virtual void SetTitle(WindowId window, std::string_view title) = 0;
  // Moves and sizes the client area, in screen pixels.
  virtual void SetClientBounds(WindowId window, const gfx::Rect& bounds) = 0;
  // A window without input takes no mouse, keyboard or activation (the owner of a modal
  // window). Hosts that cannot refuse input at the system level may ignore this: the
  // framework drops input to such a window anyway.
  virtual void SetInputEnabled(WindowId window, bool enabled) = 0;
  virtual void Activate(WindowId window) = 0;
  // Whether the user maximised the window (size grips hide then).
  virtual bool IsMaximized(WindowId window) = 0;
  virtual gfx::Point ClientToScreen(WindowId window, gfx::Point client) = 0;
  // The part of the screen where windows are placed (the work area), in screen pixels.
  virtual gfx::Rect DesktopRect() = 0;
  // How far the frame of a window so requested reaches beyond its client area on each side
  // (Left, Top, Right, Bottom in pixels), so that the whole window can be centred. Hosts whose
  // window manager draws the frame cannot know it and leave it at zero.
  virtual gfx::Rect FrameMargins(const WindowSpec& request) {
    (void)request;
    return {};
  }

  // Copies Area (client pixels) of a painted frame of the whole client area to the screen.
  virtual void Present(WindowId window, const gfx::Bitmap& frame, const gfx::Rect& area) = 0;

  // Mouse.
  virtual void SetCapture(WindowId window) = 0;
  virtual void ReleaseCapture() = 0;
  virtual void SetCursor(WindowId window, CursorKind cursor) = 0;
  // Hands the window to the system's interactive size operation from its bottom-right
  // corner (the mouse button is down). Must not run a loop of its own inside this call.
  virtual void BeginSizeFromBottomRight(WindowId window) = 0;
  // Lines to scroll per wheel notch: the system setting (3 where there is none).
  virtual int WheelScrollLines() = 0;

  // Time and events. NowMs is a monotonic clock in milliseconds. WaitEvent returns the next
  // event, waiting at most timeoutMs (0 polls, a negative value waits without limit), or
  // nothing when the time ran out.
  virtual std::int64_t NowMs() = 0;
  virtual std::optional<HostEvent> WaitEvent(std::int64_t timeoutMs) = 0;

  // A host whose platform runs a loop of its own while the user sizes or moves a window
  // (Windows does) calls the pump from inside that loop now and then, so the application
  // serves its events, timers and paints meanwhile. Never called from inside a handler.
  void SetNestedPump(std::function<void()> pump) { m_nestedPump = std::move(pump); }

 protected:
  void RunNestedPump() {
    if (m_nestedPump) {
      m_nestedPump();
    }
  }

 private:
  std::function<void()> m_nestedPump;
};

}  // namespace orvanta::ui
