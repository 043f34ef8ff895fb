#pragma once

#include <cstdint>

namespace orvanta::ui {

// Virtual-key codes, numbered as the Windows VK_ values so that the Win32 host passes them
// through unchanged and the X11 host translates key symbols into the same numbers. Letters
// and digits are their upper-case ASCII codes ('A'..'Z', '0'..'9').
enum VirtualKey : unsigned {
  kVkNone = 0x00,
  kVkBack = 0x08,
  kVkTab = 0x09,
  kVkReturn = 0x0D,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkMenu = 0x12,  // Alt
  kVkPause = 0x13,
  kVkCapital = 0x14,
  kVkEscape = 0x1B,
  kVkSpace = 0x20,
  kVkPrior = 0x21,  // Page Up
  kVkNext = 0x22,   // Page Down
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkInsert = 0x2D,
  kVkDelete = 0x2E,
  kVkApps = 0x5D,
  kVkF1 = 0x70,
  kVkF10 = 0x79,
  kVkF12 = 0x7B,
};

// Modifier keys and mouse buttons held while an event happened.
enum ShiftFlag : unsigned {
  kShiftNone = 0,
  kShiftShift = 1u << 0,
  kShiftCtrl = 1u << 1,
  kShiftAlt = 1u << 2,
  kShiftLeft = 1u << 3,
  kShiftRight = 1u << 4,
  kShiftMiddle = 1u << 5,
};
using ShiftState = unsigned;

constexpr bool HasShift(ShiftState state, ShiftFlag flag) {
  return (state & flag) != 0;
}

}  // namespace orvanta::ui
