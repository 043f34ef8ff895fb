#pragma once

#include <cstdint>
#include <optional>

#include "platform/win32/windows_api.h"
#include "ui/cursor.h"
#include "ui/window_host.h"

namespace orvanta::platform {

// The pieces of the window procedure that only translate: window styles, modifier keys,
// mouse messages, characters and wheel turns.

struct WindowStyle {
  DWORD Style = 0;
  DWORD ExStyle = 0;
};

// The styles of a window of each kind: a sizeable frame, a fixed single frame, or a popup
// that is never activated (hints). The minimise and maximise boxes follow the WindowSpec.
WindowStyle StyleFor(const ui::WindowSpec& request);

// Shift, Ctrl and Alt as they are now for the message being handled.
ui::ShiftState KeyboardShift();
// The same for a mouse message, whose wParam carries Shift and Ctrl.
ui::ShiftState MouseShift(WPARAM wParam);

// A mouse button message: which kind of host event and which button.
struct MouseMessage {
  ui::HostEventKind Kind;
  ui::MouseButton Button;
};
std::optional<MouseMessage> MouseButtonMessage(UINT message);

// A client position from the lParam of a mouse message: signed, since a captured mouse
// reports positions left of and above the client area.
gfx::Point PointFromLParam(LPARAM lParam);

// The standard cursor for a pointer shape (the arrow for Default).
HCURSOR SystemCursor(ui::CursorKind cursor);

// Joins the UTF-16 units of WM_CHAR into characters: a high surrogate waits for its low half;
// an unpaired half is dropped.
class Utf16Joiner {
 public:
  std::optional<char32_t> Add(wchar_t unit);

 private:
  char32_t m_high = 0;
};

// Turns wheel deltas (120 per notch, finer on some devices) into whole notches, keeping the
// remainder for the next turn in the same direction.
class WheelNotches {
 public:
  int Add(int delta);

 private:
  int m_remainder = 0;
};

}  // namespace orvanta::platform
