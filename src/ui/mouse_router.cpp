#include "ui/mouse_router.h"

#include <vector>

#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"

namespace orvanta::ui {

namespace {

ShiftState ButtonFlag(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return kShiftLeft;
    case MouseButton::Right:
      return kShiftRight;
    case MouseButton::Middle:
      return kShiftMiddle;
    case MouseButton::None:
      break;
  }
  return kShiftNone;
}

std::vector<Control*> ChainOf(Control* c) {
  std::vector<Control*> chain;  // innermost first
  for (; c != nullptr; c = c->Parent()) {
    chain.push_back(c);
  }
  return chain;
}

bool Contains(const std::vector<Control*>& chain, const Control* c) {
  for (const Control* x : chain) {
    if (x == c) {
      return true;
    }
  }
  return false;
}

}  // namespace

Control* MouseRouter::Under(gfx::Point p) const {
  // A disabled control is transparent: its nearest enabled ancestor gets the mouse.
  Control* hit = m_form.ControlAt(p);
  while (hit != nullptr && !hit->EnabledInTree()) {
    hit = hit->Parent();
  }
  return hit;
}

Control* MouseRouter::Target(gfx::Point p) const {
  return m_capture != nullptr ? m_capture : Under(p);
}

MouseEvent MouseRouter::EventFor(const Control& target, MouseButton button, ShiftState shift,
                                 gfx::Point p) const {
  return MouseEvent{button, shift | m_buttons, target.FormToClient(p)};
}

void MouseRouter::Down(MouseButton button, ShiftState shift, gfx::Point p) {
  m_form.OwnerApp().CancelHint();
  Track(p);
  m_buttons |= ButtonFlag(button);
  Control* target = Target(p);
  if (target == nullptr) {
    return;
  }
  if (m_capture == nullptr) {
    SetCapture(target);
    m_implicitCapture = true;
  }
  if (button == MouseButton::Left) {
    m_pressed = (target->Style() & kCsClickEvents) != 0 ? target : nullptr;
  }
  target->DispatchMouseDown(EventFor(*target, button, shift, p));
  UpdateCursor(p);
}

void MouseRouter::Up(MouseButton button, ShiftState shift, gfx::Point p) {
  m_last = p;
  Control* target = Target(p);
  m_buttons &= ~ButtonFlag(button);
  if (target != nullptr) {
    const MouseEvent e = EventFor(*target, button, shift, p);
    target->DispatchMouseUp(e);
    // The handler may have destroyed or hidden the control: Forget cleared m_pressed then.
    if (button == MouseButton::Left && m_pressed == target) {
      m_pressed = nullptr;
      if (target->ClientRect().Contains(e.Position) && target->EnabledInTree()) {
        target->Click();
      }
    }
  }
  if (button == MouseButton::Left) {
    m_pressed = nullptr;
  }
  if (m_implicitCapture && (m_buttons & (kShiftLeft | kShiftRight | kShiftMiddle)) == 0) {
    ReleaseCapture();
  }
  Track(p);
}

void MouseRouter::Track(gfx::Point p) {
  m_last = p;
  Control* hover = Under(p);
  if (m_capture != nullptr) {
    // While a control holds the mouse, controls outside its line hear nothing: the pointer
    // counts as over the nearest of the capturing control and its parents that holds it.
    const std::vector<Control*> under = ChainOf(hover);
    Control* line = m_capture;
    while (line != nullptr && !Contains(under, line)) {
      line = line->Parent();
    }
    hover = line;
  }
  SetHover(hover, p);
  m_form.OwnerApp().Hints().MouseOver(m_hover, p);
  UpdateCursor(p);
}

void MouseRouter::Move(ShiftState shift, gfx::Point p) {
  Track(p);
  if (Control* target = Target(p)) {
    target->DispatchMouseMove(EventFor(*target, MouseButton::None, shift, p));
  }
  UpdateCursor(p);
}

void MouseRouter::Wheel(int notches, ShiftState shift, gfx::Point p) {
  m_form.OwnerApp().CancelHint();
  Control* start = Target(p);
  for (Control* c = start; c != nullptr; c = c->Parent()) {
    if (!c->EnabledInTree()) {
      continue;
    }
    WheelEvent e{notches, shift | m_buttons, c->FormToClient(p)};
    c->DispatchMouseWheel(e);
    if (e.Handled) {
      return;
    }
  }
  // Nothing under the pointer took it: the focus control gets a chance.
  if (Control* focus = m_form.ActiveControl();
      focus != nullptr && (start == nullptr || !focus->IsAncestorOf(*start))) {
    WheelEvent e{notches, shift | m_buttons, focus->FormToClient(p)};
    focus->DispatchMouseWheel(e);
  }
}

void MouseRouter::LeaveWindow() {
  if (m_capture == nullptr && m_hover != nullptr) {
    SetHover(nullptr, m_last);
    m_form.OwnerApp().Hints().MouseOver(nullptr, {});
  }
}

void MouseRouter::CaptureLost() {
  Control* lost = m_capture;
  m_capture = nullptr;
  m_implicitCapture = false;
  m_buttons = kShiftNone;
  m_pressed = nullptr;
  if (lost != nullptr) {
    lost->DispatchCaptureLost();
  }
}

void MouseRouter::Reset() {
  const bool held = m_capture != nullptr;
  m_capture = nullptr;
  m_implicitCapture = false;
  m_buttons = kShiftNone;
  m_pressed = nullptr;
  if (held) {
    m_form.OwnerApp().Host().ReleaseCapture();
  }
}

void MouseRouter::SetCapture(Control* control) {
  if (control == m_capture) {
    m_implicitCapture = false;
    return;
  }
  Control* previous = m_capture;
  m_capture = control;
  m_implicitCapture = false;
  if (previous != nullptr) {
    previous->DispatchCaptureLost();
  }
  if (control != nullptr) {
    m_form.OwnerApp().Host().SetCapture(m_form.Window());
  } else {
    m_form.OwnerApp().Host().ReleaseCapture();
  }
}

void MouseRouter::ReleaseCapture() {
  if (m_capture == nullptr) {
    return;
  }
  m_capture = nullptr;
  m_implicitCapture = false;
  m_form.OwnerApp().Host().ReleaseCapture();
  // The control under the pointer may differ from the one that held the capture.
  SetHover(Under(m_last), m_last);
}

void MouseRouter::SetHover(Control* hover, gfx::Point) {
  if (hover == m_hover) {
    return;
  }
  const std::vector<Control*> oldChain = ChainOf(m_hover);
  const std::vector<Control*> newChain = ChainOf(hover);
  m_hover = hover;
  // Leave innermost first, then enter outermost first; shared ancestors hear nothing.
  for (Control* c : oldChain) {
    if (!Contains(newChain, c)) {
      c->DispatchMouseLeave();
      if (m_hover != hover) {
        return;  // a handler moved the hover on
      }
    }
  }
  for (auto it = newChain.rbegin(); it != newChain.rend(); ++it) {
    if (!Contains(oldChain, *it)) {
      (*it)->DispatchMouseEnter();
      if (m_hover != hover) {
        return;
      }
    }
  }
}

void MouseRouter::UpdateCursor(gfx::Point p) {
  CursorKind cursor = CursorKind::Default;
  Control* c = m_capture != nullptr ? m_capture : m_hover;
  if (c != nullptr && m_form.InputEnabled()) {
    cursor = c->CursorFor(c->FormToClient(p));
    for (Control* up = c->Parent(); cursor == CursorKind::Default && up != nullptr;
         up = up->Parent()) {
      cursor = up->Cursor();
    }
  }
  if (cursor == CursorKind::Default) {
    cursor = CursorKind::Arrow;
  }
  if (cursor != m_cursor) {
    m_cursor = cursor;
    m_form.OwnerApp().Host().SetCursor(m_form.Window(), cursor);
  }
}

void MouseRouter::Forget(const Control& control) {
  if (m_capture != nullptr && control.IsAncestorOf(*m_capture)) {
    m_capture = nullptr;
    m_implicitCapture = false;
    m_form.OwnerApp().Host().ReleaseCapture();
  }
  if (m_pressed != nullptr && control.IsAncestorOf(*m_pressed)) {
    m_pressed = nullptr;
  }
  if (m_hover != nullptr && control.IsAncestorOf(*m_hover)) {
    // The leaving controls are going away; the ones above them keep the pointer.
    m_hover = control.Parent();
  }
}

}  // namespace orvanta::ui
