#include "ui/application.h"
#include "ui/dialog_dispatch.h"
#include "ui/focus_order.h"
#include "ui/form.h"

// The keyboard focus, and the routing of keys and typed characters.
namespace orvanta::ui {

bool Form::FocusControl(Control* control) {
  if (control != nullptr && (control == this || !IsAncestorOf(*control) || !control->CanFocus())) {
    return false;
  }
  if (control == m_activeControl) {
    return true;
  }
  Control* previous = m_activeControl;
  m_activeControl = control;
  if (m_windowActive) {
    if (previous != nullptr) {
      previous->DispatchFocusChanged(false);
      previous->Invalidate();
    }
    if (control != nullptr && m_activeControl == control) {
      control->DispatchFocusChanged(true);
      control->Invalidate();
    }
  }
  return true;
}

bool Form::SelectNext(TabDirection direction) {
  Control* next = NextTabStop(*this, m_activeControl, direction);
  return next != nullptr && FocusControl(next);
}

void Form::SetWindowActive(bool active) {
  if (m_windowActive == active) {
    return;
  }
  m_windowActive = active;
  if (active && (m_activeControl == nullptr || !m_activeControl->CanFocus())) {
    m_activeControl = NextTabStop(*this, nullptr, TabDirection::Forward);
  }
  if (m_activeControl != nullptr) {
    m_activeControl->DispatchFocusChanged(active);
    m_activeControl->Invalidate();
  }
}

void Form::HandleKeyDown(const HostEvent& host) {
  m_app.CancelHint();
  KeyEvent e{host.Key, host.Shift, false};
  Control* target = m_activeControl != nullptr ? m_activeControl : this;
  const bool plainTab =
      e.Key == kVkTab && !HasShift(e.Shift, kShiftCtrl) && !HasShift(e.Shift, kShiftAlt);
  const bool ctrlTab =
      e.Key == kVkTab && HasShift(e.Shift, kShiftCtrl) && !HasShift(e.Shift, kShiftAlt);
  if ((target->Style() & kCsWantsTab) == 0) {
    if (plainTab) {
      SelectNext(HasShift(e.Shift, kShiftShift) ? TabDirection::Backward : TabDirection::Forward);
      return;
    }
    // Ctrl+Tab belongs to the innermost container of the focus that takes it (a page
    // control switching its pages).
    if (ctrlTab) {
      for (Control* c = target; c != nullptr; c = c->Parent()) {
        if (c->DispatchDialogKey(e)) {
          return;
        }
      }
      return;
    }
  }
  // The focus control sees Enter and Escape first (a focused button clicks); what it leaves
  // goes to the default and cancel buttons.
  target->DispatchKeyDown(e);
  if (!e.Handled && (e.Key == kVkReturn || e.Key == kVkEscape)) {
    ui::DispatchDialogKey(*this, e);
  }
}

void Form::HandleKeyUp(const HostEvent& host) {
  KeyEvent e{host.Key, host.Shift, false};
  Control* target = m_activeControl != nullptr ? m_activeControl : this;
  target->DispatchKeyUp(e);
}

void Form::HandleChar(const HostEvent& host) {
  CharEvent e{host.Char, host.Shift, false};
  if (e.Char < 0x20 || e.Char == 0x7F) {
    return;
  }
  if (!HasShift(e.Shift, kShiftAlt)) {
    Control* target = m_activeControl;
    if (target != nullptr && (target->Style() & kCsWantsChars) != 0) {
      target->DispatchKeyPress(e);
      return;
    }
  }
  ui::DispatchDialogChar(*this, e);
}

}  // namespace orvanta::ui
