#include "platform/posix/x11_keys.h"

#include <X11/keysym.h>

#include <array>
#include <utility>

#include "ui/keys.h"

namespace orvanta::platform {

namespace {

constexpr std::array<std::pair<unsigned long, unsigned>, 46> kKeyTable{{
    {XK_BackSpace, ui::kVkBack},
    {XK_Tab, ui::kVkTab},
    {XK_ISO_Left_Tab, ui::kVkTab},
    {XK_Return, ui::kVkReturn},
    {XK_KP_Enter, ui::kVkReturn},
    {XK_Escape, ui::kVkEscape},
    {XK_space, ui::kVkSpace},
    {XK_KP_Space, ui::kVkSpace},
    {XK_Prior, ui::kVkPrior},
    {XK_KP_Prior, ui::kVkPrior},
    {XK_Next, ui::kVkNext},
    {XK_KP_Next, ui::kVkNext},
    {XK_End, ui::kVkEnd},
    {XK_KP_End, ui::kVkEnd},
    {XK_Home, ui::kVkHome},
    {XK_KP_Home, ui::kVkHome},
    {XK_Left, ui::kVkLeft},
    {XK_KP_Left, ui::kVkLeft},
    {XK_Up, ui::kVkUp},
    {XK_KP_Up, ui::kVkUp},
    {XK_Right, ui::kVkRight},
    {XK_KP_Right, ui::kVkRight},
    {XK_Down, ui::kVkDown},
    {XK_KP_Down, ui::kVkDown},
    {XK_Insert, ui::kVkInsert},
    {XK_KP_Insert, ui::kVkInsert},
    {XK_Delete, ui::kVkDelete},
    {XK_KP_Delete, ui::kVkDelete},
    {XK_Shift_L, ui::kVkShift},
    {XK_Shift_R, ui::kVkShift},
    {XK_Control_L, ui::kVkControl},
    {XK_Control_R, ui::kVkControl},
    {XK_Alt_L, ui::kVkMenu},
    {XK_Alt_R, ui::kVkMenu},
    {XK_Meta_L, ui::kVkMenu},
    {XK_Meta_R, ui::kVkMenu},
    {XK_Pause, ui::kVkPause},
    {XK_Caps_Lock, ui::kVkCapital},
    {XK_Menu, ui::kVkApps},
    {XK_F1, ui::kVkF1},
    {XK_F2, ui::kVkF1 + 1},
    {XK_F3, ui::kVkF1 + 2},
    {XK_F4, ui::kVkF1 + 3},
    {XK_F5, ui::kVkF1 + 4},
    {XK_F10, ui::kVkF10},
    {XK_F12, ui::kVkF12},
}};

}  // namespace

unsigned VirtualKeyFromKeySym(unsigned long keySym) {
  if (keySym >= XK_a && keySym <= XK_z) {
    return static_cast<unsigned>(keySym - XK_a + 'A');
  }
  if ((keySym >= XK_A && keySym <= XK_Z) || (keySym >= XK_0 && keySym <= XK_9)) {
    return static_cast<unsigned>(keySym);
  }
  if (keySym >= XK_F1 && keySym <= XK_F12) {
    return ui::kVkF1 + static_cast<unsigned>(keySym - XK_F1);
  }
  for (const auto& [sym, vk] : kKeyTable) {
    if (sym == keySym) {
      return vk;
    }
  }
  return 0;
}

char32_t CharFromKeySym(unsigned long keySym) {
  // Latin-1 key symbols are their own code points; Unicode ones carry it below 0x01000000.
  if ((keySym >= 0x20 && keySym <= 0x7E) || (keySym >= 0xA0 && keySym <= 0xFF)) {
    return static_cast<char32_t>(keySym);
  }
  if ((keySym & 0xFF000000UL) == 0x01000000UL) {
    const auto cp = static_cast<char32_t>(keySym & 0x00FFFFFFUL);
    return cp >= 0x20 && cp != 0x7F && cp <= 0x10FFFF ? cp : 0;
  }
  if (keySym == XK_KP_Space) {
    return U' ';
  }
  return 0;
}

}  // namespace orvanta::platform
