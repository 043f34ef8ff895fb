#pragma once

#include "ui/events.h"

namespace orvanta::ui {

class Control;

// Offers an access-key character to root and its descendants in tree order (a parent before
// its children, children in child order), skipping hidden and disabled subtrees. The first
// control that takes it ends the walk. Returns whether one did.
bool DispatchDialogChar(Control& root, const CharEvent& e);

// The same walk for the dialog keys Enter and Escape.
bool DispatchDialogKey(Control& root, const KeyEvent& e);

}  // namespace orvanta::ui
