#include "ui/dialog_dispatch.h"

#include "ui/control.h"

namespace orvanta::ui {

namespace {

template <class Offer>
bool Walk(Control& c, const Offer& offer) {
  if (!c.Visible() || !c.Enabled()) {
    return false;
  }
  if (offer(c)) {
    return true;
  }
  // The handler may change the tree; index afresh on every step.
  for (int i = 0; i < c.ChildCount(); ++i) {
    if (Walk(c.Child(i), offer)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool DispatchDialogChar(Control& root, const CharEvent& e) {
  return Walk(root, [&](Control& c) { return c.DispatchDialogChar(e); });
}

bool DispatchDialogKey(Control& root, const KeyEvent& e) {
  return Walk(root, [&](Control& c) { return c.DispatchDialogKey(e); });
}

}  // namespace orvanta::ui
