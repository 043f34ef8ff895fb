#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/dialog_dispatch.h"
#include "ui/focus_order.h"
#include "ui/rect_ops.h"

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

void Form::SetScreenPosition(gfx::Point p) {
  m_screenPos = p;
  m_placed = true;
  if (m_window != kNoWindow) {
    m_app.Host().SetClientBounds(m_window, gfx::Rect::FromSize(p.X, p.Y, Width(), Height()));
  }
}

void Form::SetClientSize(int width, int height) {
  SetBounds(0, 0, width, height);
}

gfx::Point Form::FormClientToScreen(gfx::Point p) const {
  if (m_window != kNoWindow) {
    return m_app.Host().ClientToScreen(m_window, p);
  }
  return {p.X + m_screenPos.X, p.Y + m_screenPos.Y};
}

gfx::Point Form::PlacedPosition(const WindowSpec& request) const {
  const gfx::Rect desktop = m_app.Host().DesktopRect();
  // The whole window is centred, frame included; the result is where its client area goes.
  const gfx::Rect frame = m_app.Host().FrameMargins(request);
  const int outerWidth = Width() + frame.Left + frame.Right;
  const int outerHeight = Height() + frame.Top + frame.Bottom;
  gfx::Rect around = desktop;
  if (m_placement == FormPlacement::OwnerFormCenter) {
    const Form* owner = m_owner != nullptr ? m_owner : m_app.MainForm();
    if (owner != nullptr && owner != this && owner->Visible()) {
      const gfx::Point origin = owner->FormClientToScreen({0, 0});
      const gfx::Rect ownerFrame = m_app.Host().FrameMargins(owner->WindowRequest());
      around = {origin.X - ownerFrame.Left, origin.Y - ownerFrame.Top,
                origin.X + owner->Width() + ownerFrame.Right,
                origin.Y + owner->Height() + ownerFrame.Bottom};
    }
  } else if (m_placement != FormPlacement::DesktopCenter) {
    return m_screenPos;
  }
  gfx::Point p{around.Left + (around.Width() - outerWidth) / 2,
               around.Top + (around.Height() - outerHeight) / 2};
  // Keep the top-left corner on the desktop so the caption stays reachable.
  p.X = std::max(desktop.Left, std::min(p.X, desktop.Right - outerWidth));
  p.Y = std::max(desktop.Top, std::min(p.Y, desktop.Bottom - outerHeight));
  return {p.X + frame.Left, p.Y + frame.Top};
}

WindowSpec Form::WindowRequest() const {
  WindowSpec request;
  switch (m_borderStyle) {
    case BorderStyle::Sizeable:
      request.Kind = WindowKind::Sizeable;
      break;
    case BorderStyle::Single:
      request.Kind = WindowKind::Dialog;
      break;
    case BorderStyle::None:
      request.Kind = WindowKind::Popup;
      break;
  }
  request.Title = Caption();
  const Form* owner = m_owner;
  if (m_modal && owner == nullptr && m_app.MainForm() != this) {
    owner = m_app.MainForm();
  }
  request.Owner = owner != nullptr ? owner->Window() : kNoWindow;
  request.Modal = m_modal;
  request.SystemMenu = m_icons.SystemMenu;
  request.MinimizeBox = m_icons.Minimize;
  request.MaximizeBox = m_icons.Maximize;
  return request;
}

void Form::EnsureWindow() {
  if (m_window != kNoWindow) {
    return;
  }
  WindowSpec request = WindowRequest();
  if (!m_placed) {
    m_screenPos = PlacedPosition(request);
    m_placed = true;
  }
  request.ClientBounds = gfx::Rect::FromSize(m_screenPos.X, m_screenPos.Y, Width(), Height());
  m_window = m_app.Host().Open(request);
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
      m_activeControl = NextTabStop(*this, nullptr, true);
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

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) {
    OnClose(action);
  }
  if (action == CloseAction::None) {
    return;
  }
  if (m_modal) {
    if (m_modalResult == kMrNone) {
      m_modalResult = kMrCancel;
    }
    return;
  }
  Hide();
  if (m_app.MainForm() == this) {
    m_app.Terminate();
  }
}

int Form::ShowModal() {
  if (Visible() || m_modal) {
    return kMrNone;
  }
  m_app.CancelHint();
  // Every other window stops taking input until this one closes.
  std::vector<Form*> disabled;
  for (Form* form : m_app.Forms()) {
    if (form != this && form->Visible() && form->InputEnabled() &&
        form->GetBorderStyle() != BorderStyle::None) {
      form->SetInputEnabled(false);
      disabled.push_back(form);
    }
  }
  m_modal = true;
  m_modalResult = kMrNone;
  Show();
  m_app.RunUntil([this] { return m_modalResult != kMrNone || !Visible(); });
  int result = m_modalResult != kMrNone ? m_modalResult : kMrCancel;
  for (Form* form : disabled) {
    if (m_app.HasForm(*form)) {
      form->SetInputEnabled(true);
    }
  }
  Hide();
  m_modal = false;
  m_modalResult = kMrNone;
  Form* back = m_owner != nullptr ? m_owner : m_app.MainForm();
  if (back != nullptr && back != this && m_app.HasForm(*back) && back->Visible()) {
    m_app.Host().Activate(back->Window());
  }
  return result;
}

void Form::SetInputEnabled(bool enabled) {
  if (m_inputEnabled == enabled) {
    return;
  }
  m_inputEnabled = enabled;
  if (!enabled) {
    m_mouse.Reset();
    m_mouse.LeaveWindow();
  }
  m_app.Host().SetInputEnabled(m_window, enabled);
}

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

bool Form::SelectNext(bool forward) {
  Control* next = NextTabStop(*this, m_activeControl, forward);
  return next != nullptr && FocusControl(next);
}

void Form::SetWindowActive(bool active) {
  if (m_windowActive == active) {
    return;
  }
  m_windowActive = active;
  if (active && (m_activeControl == nullptr || !m_activeControl->CanFocus())) {
    m_activeControl = NextTabStop(*this, nullptr, true);
  }
  if (m_activeControl != nullptr) {
    m_activeControl->DispatchFocusChanged(active);
    m_activeControl->Invalidate();
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

void Form::ForgetControl(const Control& control) {
  m_mouse.Forget(control);
  m_app.Hints().Forget(control);
  if (m_activeControl != nullptr && control.IsAncestorOf(*m_activeControl)) {
    m_activeControl = nullptr;
  }
}

void Form::ControlHidden(const Control& control) {
  m_mouse.Forget(control);
  m_app.Hints().Forget(control);
  if (m_activeControl != nullptr && control.IsAncestorOf(*m_activeControl)) {
    Control* lost = m_activeControl;
    m_activeControl = nullptr;
    if (m_windowActive) {
      lost->DispatchFocusChanged(false);
    }
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

// ---- input -------------------------------------------------------------------------------

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

void Form::HandleKeyDown(const HostEvent& host) {
  m_app.CancelHint();
  KeyEvent e{host.Key, host.Shift, false};
  Control* target = m_activeControl != nullptr ? m_activeControl : this;
  const bool plainTab =
      e.Key == kVkTab && !HasShift(e.Shift, kShiftCtrl) && !HasShift(e.Shift, kShiftAlt);
  if (plainTab && (target->Style() & kCsWantsTab) == 0) {
    SelectNext(!HasShift(e.Shift, kShiftShift));
    return;
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

// ---- painting ----------------------------------------------------------------------------

void Form::InvalidateFormRect(const gfx::Rect& r) {
  const gfx::Rect clipped = r.Intersect(ClientRect());
  if (clipped.IsEmpty() || !Visible()) {
    return;
  }
  m_dirty = UnionRect(m_dirty, clipped);
  m_app.RequestPaint();
}

bool Form::NeedsPaint() const {
  return Visible() && m_window != kNoWindow && (!m_dirty.IsEmpty() || !m_present.IsEmpty());
}

namespace {

void PrepareTree(Control& control) {
  control.DispatchPrepareToPaint();
  for (int i = 0; i < control.ChildCount(); ++i) {
    if (control.Child(i).Visible()) {
      PrepareTree(control.Child(i));
    }
  }
}

}  // namespace

void Form::PaintAndPresent() {
  if (NeedsPaint()) {
    PrepareTree(*this);
  }
  if (!NeedsPaint()) {
    m_dirty = {};
    m_present = {};
    return;
  }
  if (m_frame.GetSize() != gfx::Size{Width(), Height()}) {
    m_frame.Resize(Width(), Height());
    m_dirty = ClientRect();
    m_framePainted = false;
  }
  gfx::Rect area = m_dirty;
  if (!area.IsEmpty()) {
    m_dirty = {};
    if (std::unique_ptr<gfx::Canvas> canvas = m_app.CreateCanvas(m_frame)) {
      PaintTree(*canvas, area);
    }
    m_framePainted = m_framePainted || area == ClientRect();
  }
  area = UnionRect(area, m_present);
  m_present = {};
  if (!area.IsEmpty()) {
    m_app.Host().Present(m_window, m_frame, area);
  }
}

void Form::PaintTree(gfx::Canvas& canvas, const gfx::Rect& area) {
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(area);
  PaintControl(canvas, canvas.Origin(), *this, area);
}

void Form::PaintControl(gfx::Canvas& canvas, gfx::Point base, Control& control,
                        const gfx::Rect& area) {
  const gfx::Rect bounds = control.BoundsInForm();
  if (!Intersects(bounds, area)) {
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  canvas.SetOrigin({base.X + bounds.Left, base.Y + bounds.Top});
  canvas.IntersectClipRect(control.ClientRect());
  canvas.SetFont(control.Font());
  control.Paint(canvas);
  for (int i = 0; i < control.ChildCount(); ++i) {
    Control& child = control.Child(i);
    if (child.Visible()) {
      PaintControl(canvas, base, child, area);
    }
  }
}

void Form::Paint(gfx::Canvas& canvas) {
  canvas.FillRect(ClientRect(), Color());
}

}  // namespace orvanta::ui
