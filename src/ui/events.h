#pragma once

#include "gfx/geometry.h"
#include "ui/keys.h"

namespace orvanta::ui {

enum class MouseButton { None, Left, Right, Middle };

// A press, release or move of the mouse, in the receiving control's client pixels.
struct MouseEvent {
  MouseButton Button = MouseButton::None;  // None for moves
  ShiftState Shift = kShiftNone;
  gfx::Point Position;
};

// One or more notches of the wheel: positive turns away from the user (scroll up).
struct WheelEvent {
  int Notches = 0;
  ShiftState Shift = kShiftNone;
  gfx::Point Position;  // client pixels of the receiving control
  bool Handled = false;
};

struct KeyEvent {
  unsigned Key = kVkNone;  // VirtualKey
  ShiftState Shift = kShiftNone;
  bool Handled = false;
};

// A character typed, after the keyboard layout: what the key produces as text.
struct CharEvent {
  char32_t Char = 0;
  ShiftState Shift = kShiftNone;
  bool Handled = false;
};

}  // namespace orvanta::ui
