#pragma once

#include "gfx/geometry.h"
#include "ui/cursor.h"
#include "ui/events.h"
#include "ui/window_host.h"

namespace orvanta::ui {

class Control;
class Form;

// Routes the mouse events of one form's window to its controls: hit testing, the capture
// (explicit, or implicit while a button is held), enter and leave along the ancestor chain,
// clicks, the wheel and the pointer shape. Positions arrive in form client pixels.
class MouseRouter {
 public:
  explicit MouseRouter(Form& form) : m_form(form) {}

  void Down(MouseButton button, ShiftState shift, gfx::Point p);
  void Up(MouseButton button, ShiftState shift, gfx::Point p);
  void Move(ShiftState shift, gfx::Point p);
  void Wheel(int notches, ShiftState shift, gfx::Point p);
  void LeaveWindow();
  void CaptureLost();
  // Forgets every button and the capture without telling anyone: the system took the mouse
  // over (a size operation).
  void Reset();

  void SetCapture(Control* control);
  void ReleaseCapture();
  Control* Capture() const { return m_capture; }
  // The control under the pointer (null once it left the window) and where the pointer was
  // last seen, form client pixels.
  Control* Hover() const { return m_hover; }
  gfx::Point LastPosition() const { return m_last; }

  // The subtree of control is going away or became unreachable (hidden, disabled, removed).
  void Forget(const Control& control);

 private:
  Control* Under(gfx::Point p) const;
  Control* Target(gfx::Point p) const;
  void Track(gfx::Point p);  // hover, hint and pointer shape for a pointer position
  void SetHover(Control* hover, gfx::Point p);
  void UpdateCursor(gfx::Point p);
  MouseEvent EventFor(const Control& target, MouseButton button, ShiftState shift,
                      gfx::Point p) const;

  Form& m_form;
  Control* m_capture = nullptr;
  bool m_implicitCapture = false;
  Control* m_hover = nullptr;
  Control* m_pressed = nullptr;  // where the left button went down, for clicks
  ShiftState m_buttons = kShiftNone;
  gfx::Point m_last;
  CursorKind m_cursor = CursorKind::Default;
};

}  // namespace orvanta::ui
