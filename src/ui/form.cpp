#include "ui/form.h"

#include <utility>

#include "ui/application.h"
#include "ui/focus_order.h"
#include "ui/rect_ops.h"

// A form's life: construction, showing, host events and what the controls report.
namespace orvanta::ui {

Form::Form(Application& app) : m_app(app), m_mouse(*this) {
  SetSelfForm(this);
  InitHidden();
  SetParentFont(false);
  SetParentColor(false);
  SetFont(gfx::Font{"MS Sans Serif", 11});
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 320, 240);
  m_app.AddForm(*this);
}

Form::~Form() {
  // Children go first, while this is still a whole Form they can report to.
  DestroyChildren();
  m_app.RemoveForm(*this);
  if (m_window != kNoWindow) {
    m_app.Host().Destroy(m_window);
  }
}

void Form::Show() {
  if (Visible()) {
    if (m_borderStyle != BorderStyle::None) {
      m_app.Host().Activate(m_window);
    }
    return;
  }
  SetVisible(true);
}

void Form::VisibleChanged() {
  if (Visible()) {
    m_dirty = ClientRect();
    m_framePainted = false;
    // Every way of showing passes here, so the window exists whoever showed the form.
    EnsureWindow();
    if (m_activeControl == nullptr || !m_activeControl->CanFocus()) {
      m_activeControl = NextTabStop(*this, nullptr, TabDirection::Forward);
    }
    m_app.Host().Show(m_window);
    m_app.RequestPaint();
    if (OnShow) {
      OnShow();
    }
  } else {
    m_mouse.Reset();
    m_mouse.LeaveWindow();
    SetWindowActive(false);
    m_app.Host().Hide(m_window);
    m_app.FormHidden(*this);
  }
}

void Form::BeginSizeFromBottomRight() {
  if (m_window == kNoWindow || m_borderStyle != BorderStyle::Sizeable) {
    return;
  }
  m_app.CancelHint();
  m_mouse.Reset();
  m_app.Host().BeginSizeFromBottomRight(m_window);
}

bool Form::IsMaximized() const {
  return m_window != kNoWindow && Visible() && m_app.Host().IsMaximized(m_window);
}

void Form::ForgetControl(const Control& control, ControlGone how) {
  m_mouse.Forget(control);
  m_app.Hints().Forget(control);
  if (m_activeControl == nullptr || !control.IsAncestorOf(*m_activeControl)) {
    return;
  }
  Control* lost = std::exchange(m_activeControl, nullptr);
  // A control on its way out of the tree hears that it lost the focus; one being destroyed
  // can no longer be told.
  if (how == ControlGone::Unreachable && m_windowActive) {
    lost->DispatchFocusChanged(false);
  }
}

void Form::CaptionChanged() {
  if (m_window != kNoWindow) {
    m_app.Host().SetTitle(m_window, Caption());
  }
}

void Form::Resized() {
  if (m_window != kNoWindow && !m_hostResizing) {
    m_app.Host().SetClientBounds(
        m_window, gfx::Rect::FromSize(m_screenPos.X, m_screenPos.Y, Width(), Height()));
  }
  InvalidateFormRect(ClientRect());
}

void Form::HandleHostEvent(const HostEvent& e) {
  switch (e.Kind) {
    case HostEventKind::Exposed:
      if (m_framePainted && m_frame.GetSize() == gfx::Size{Width(), Height()}) {
        m_present = UnionRect(m_present, e.Area.Intersect(ClientRect()));
        m_app.RequestPaint();
      } else {
        InvalidateFormRect(e.Area);
      }
      return;
    case HostEventKind::Resized:
      m_hostResizing = true;
      SetBounds(0, 0, e.ClientSize.Width, e.ClientSize.Height);
      m_hostResizing = false;
      return;
    case HostEventKind::Activated:
      SetWindowActive(true);
      return;
    case HostEventKind::Deactivated:
      SetWindowActive(false);
      return;
    case HostEventKind::CaptureLost:
      m_mouse.CaptureLost();
      return;
    case HostEventKind::MouseLeave:
      m_mouse.LeaveWindow();
      return;
    default:
      break;
  }
  if (!m_inputEnabled || !Visible()) {
    return;  // the owner of a modal window, or a window on its way out
  }
  switch (e.Kind) {
    case HostEventKind::MouseDown:
      m_mouse.Down(e.Button, e.Shift, e.Position);
      break;
    case HostEventKind::MouseUp:
      m_mouse.Up(e.Button, e.Shift, e.Position);
      break;
    case HostEventKind::MouseMove:
      m_mouse.Move(e.Shift, e.Position);
      break;
    case HostEventKind::Wheel:
      m_mouse.Wheel(e.WheelNotches, e.Shift, e.Position);
      break;
    case HostEventKind::KeyDown:
      HandleKeyDown(e);
      break;
    case HostEventKind::KeyUp:
      HandleKeyUp(e);
      break;
    case HostEventKind::Char:
      HandleChar(e);
      break;
    case HostEventKind::CloseRequest:
      Close();
      break;
    default:
      break;
  }
}

}  // namespace orvanta::ui
