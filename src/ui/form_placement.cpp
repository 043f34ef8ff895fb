#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

// Where a form's window goes on the screen, and what it asks the host for.
namespace orvanta::ui {

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

}  // namespace orvanta::ui
