#pragma once

#include <vector>

namespace orvanta::ui {

class Control;

enum class TabDirection { Forward, Backward };  // Tab, Shift+Tab

// The controls under root that Tab visits, in tab order: siblings by TabOrder (then child
// order), each followed by its own descendants. Only controls that can take the focus and
// have TabStop on are listed.
std::vector<Control*> TabList(Control& root);

// The control that Tab or Shift+Tab selects after current, wrapping around; current
// may be null or outside the list. Null when nothing can take the focus.
Control* NextTabStop(Control& root, Control* current, TabDirection direction);

}  // namespace orvanta::ui
