#include "ui/support/headless_host.h"

#include <stdexcept>

namespace orvanta::ui::testing {

HeadlessHost::WindowState* HeadlessHost::Find(WindowId window) {
  auto it = m_windows.find(window);
  return it != m_windows.end() && !it->second.Destroyed ? &it->second : nullptr;
}

WindowId HeadlessHost::Open(const WindowSpec& request) {
  const WindowId id = m_nextId++;
  WindowState& w = m_windows[id];
  w.Spec = request;
  w.Title = request.Title;
  w.Bounds = request.ClientBounds;
  return id;
}

void HeadlessHost::Show(WindowId window) {
  WindowState* w = Find(window);
  if (w == nullptr || w->Visible) {
    return;
  }
  w->Visible = true;
  if (w->Spec.Kind != WindowKind::Popup) {
    Activate(window);
  }
}

void HeadlessHost::Hide(WindowId window) {
  if (WindowState* w = Find(window)) {
    w->Visible = false;
    if (m_active == window) {
      m_active = kNoWindow;
    }
  }
}

void HeadlessHost::Destroy(WindowId window) {
  if (WindowState* w = Find(window)) {
    w->Destroyed = true;
    w->Visible = false;
    if (m_active == window) {
      m_active = kNoWindow;
    }
  }
}

void HeadlessHost::SetTitle(WindowId window, std::string_view title) {
  if (WindowState* w = Find(window)) {
    w->Title = std::string(title);
  }
}

void HeadlessHost::SetClientBounds(WindowId window, const gfx::Rect& bounds) {
  if (WindowState* w = Find(window)) {
    w->Bounds = bounds;
  }
}

void HeadlessHost::SetInputEnabled(WindowId window, bool enabled) {
  if (WindowState* w = Find(window)) {
    w->InputEnabled = enabled;
  }
}

void HeadlessHost::Activate(WindowId window) {
  if (window == m_active || Find(window) == nullptr) {
    return;
  }
  if (m_active != kNoWindow) {
    Inject({.Kind = HostEventKind::Deactivated, .Window = m_active});
  }
  m_active = window;
  Inject({.Kind = HostEventKind::Activated, .Window = window});
}

gfx::Point HeadlessHost::ClientToScreen(WindowId window, gfx::Point client) {
  WindowState* w = Find(window);
  return w == nullptr ? client : gfx::Point{client.X + w->Bounds.Left, client.Y + w->Bounds.Top};
}

void HeadlessHost::Present(WindowId window, const gfx::Bitmap& frame, const gfx::Rect& area) {
  WindowState* w = Find(window);
  if (w == nullptr) {
    return;
  }
  ++PresentCount;
  PresentedAreas.push_back(area);
  ++w->Presents;
  w->LastArea = area;
  if (w->Screen.GetSize() != frame.GetSize()) {
    w->Screen = gfx::Bitmap(frame.Width(), frame.Height());
  }
  const gfx::Rect clipped = area.Intersect({0, 0, frame.Width(), frame.Height()});
  for (int y = clipped.Top; y < clipped.Bottom; ++y) {
    for (int x = clipped.Left; x < clipped.Right; ++x) {
      w->Screen.At(x, y) = frame.At(x, y);
    }
  }
}

void HeadlessHost::SetCursor(WindowId window, CursorKind cursor) {
  if (WindowState* w = Find(window)) {
    w->Cursor = cursor;
  }
}

std::optional<HostEvent> HeadlessHost::WaitEvent(std::int64_t timeoutMs) {
  if (m_queue.empty() && timeoutMs != 0 && OnIdle) {
    OnIdle();
  }
  if (!m_queue.empty()) {
    HostEvent e = m_queue.front();
    m_queue.pop_front();
    return e;
  }
  if (timeoutMs < 0) {
    throw std::runtime_error("the application waits for an event that no test will send");
  }
  Now += timeoutMs;
  return std::nullopt;
}

void HeadlessHost::MouseMove(WindowId w, gfx::Point p, ShiftState shift) {
  Inject({.Kind = HostEventKind::MouseMove, .Window = w, .Position = p, .Shift = shift});
}

void HeadlessHost::MouseDown(WindowId w, gfx::Point p, MouseButton b, ShiftState shift) {
  Inject(
      {.Kind = HostEventKind::MouseDown, .Window = w, .Position = p, .Button = b, .Shift = shift});
}

void HeadlessHost::MouseUp(WindowId w, gfx::Point p, MouseButton b, ShiftState shift) {
  Inject({.Kind = HostEventKind::MouseUp, .Window = w, .Position = p, .Button = b, .Shift = shift});
}

void HeadlessHost::Wheel(WindowId w, gfx::Point p, int notches) {
  Inject({.Kind = HostEventKind::Wheel, .Window = w, .Position = p, .WheelNotches = notches});
}

void HeadlessHost::Key(WindowId w, unsigned key, ShiftState shift) {
  Inject({.Kind = HostEventKind::KeyDown, .Window = w, .Shift = shift, .Key = key});
  Inject({.Kind = HostEventKind::KeyUp, .Window = w, .Shift = shift, .Key = key});
}

void HeadlessHost::Char(WindowId w, char32_t c, ShiftState shift) {
  Inject({.Kind = HostEventKind::Char, .Window = w, .Shift = shift, .Char = c});
}

void HeadlessHost::Close(WindowId w) {
  Inject({.Kind = HostEventKind::CloseRequest, .Window = w});
}

}  // namespace orvanta::ui::testing
