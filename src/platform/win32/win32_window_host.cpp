#include "platform/win32/win32_window_host.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "platform/win32/handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/win32_rect.h"
#include "platform/win32/win32_window_host_impl.h"

namespace orvanta::platform {
namespace {

// Lines per wheel notch where the system has no setting, or asks for page scrolling, which
// the controls do not offer.
constexpr int kDefaultWheelLines = 3;

// How long WaitEvent sleeps, in milliseconds, when the system cannot wait for messages.
constexpr DWORD kFailedWaitMs = 10;

// Each host registers its own class, so hosts can come and go (the tests make several).
std::wstring NextClassName() {
  static unsigned s_count = 0;
  return L"OrvantaWindow." + std::to_wstring(++s_count);
}

// The outer rectangle of a window whose client area is the given screen rectangle, for the
// styles the window really has.
std::optional<gfx::Rect> OuterRect(HWND hwnd, const gfx::Rect& client) {
  RECT r = ToWinRect(client);
  const auto style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  if (!AdjustWindowRectEx(&r, style, FALSE, exStyle)) {
    return std::nullopt;
  }
  return FromWinRect(r);
}

}  // namespace

HostWindow::~HostWindow() {
  if (Hwnd != nullptr) {
    DestroyedByHost = true;
    DestroyWindow(Hwnd);
  }
}

HostWindow* Win32WindowHost::Impl::Find(ui::WindowId window) const {
  const auto it = Windows.find(window);
  return it != Windows.end() && it->second->Hwnd != nullptr ? it->second.get() : nullptr;
}

std::int64_t Win32WindowHost::Impl::TickMs() {
  if (TickCount64 != nullptr) {
    return static_cast<std::int64_t>(TickCount64());
  }
  const DWORD now = GetTickCount();
  if (now < LastTick32) {
    ++TickWraps;  // the 32-bit count wraps after 49.7 days
  }
  LastTick32 = now;
  return static_cast<std::int64_t>((TickWraps << 32) | now);
}

int Win32WindowHost::Impl::SystemLoops() const {
  return static_cast<int>(std::count_if(Windows.begin(), Windows.end(), [](const auto& entry) {
    return entry.second->InSystemLoop;
  }));
}

std::unique_ptr<Win32WindowHost> Win32WindowHost::Create(HINSTANCE instance) {
  const std::wstring name = NextClassName();
  std::optional<WindowClass> windowClass =
      WindowClass::Register(instance, name.c_str(), HostWindowProc);
  if (!windowClass) {
    return nullptr;
  }
  std::unique_ptr<Win32WindowHost> host(new Win32WindowHost());
  host->m_impl = std::make_unique<Impl>(*host, std::move(*windowClass));
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    // Through a generic function pointer: FARPROC's own signature is unrelated.
    const auto generic = reinterpret_cast<void (*)()>(GetProcAddress(kernel, "GetTickCount64"));
    host->m_impl->TickCount64 = reinterpret_cast<unsigned long long(__stdcall*)()>(generic);
  }
  return host;
}

Win32WindowHost::Win32WindowHost() = default;

Win32WindowHost::~Win32WindowHost() {
  // Newest first: owned windows are opened after their owners, and go before them.
  if (m_impl) {
    while (!m_impl->Windows.empty()) {
      m_impl->Windows.erase(std::prev(m_impl->Windows.end()));
    }
  }
}

HWND Win32WindowHost::NativeWindow(ui::WindowId window) const {
  const HostWindow* w = m_impl->Find(window);
  return w != nullptr ? w->Hwnd : nullptr;
}

ui::WindowId Win32WindowHost::Open(const ui::WindowSpec& request) {
  Impl& host = *m_impl;
  const ui::WindowId id = host.NextId++;
  auto state = std::make_unique<HostWindow>(host, id, request);
  HostWindow& w = *state;
  w.ClientSize = {std::max(request.ClientBounds.Width(), 0),
                  std::max(request.ClientBounds.Height(), 0)};
  const WindowStyle style = StyleFor(request);
  RECT outer = ToWinRect(request.ClientBounds);
  if (!AdjustWindowRectEx(&outer, style.Style, FALSE, style.ExStyle)) {
    return ui::kNoWindow;
  }
  const HostWindow* owner = host.Find(request.Owner);
  const std::wstring title = Utf8ToWide(request.Title);
  // WM_NCCREATE stores the state in the window, so the messages sent during creation
  // already find it.
  const HWND created =
      CreateWindowExW(style.ExStyle, host.Class.Name(), title.c_str(), style.Style, outer.left,
                      outer.top, outer.right - outer.left, outer.bottom - outer.top,
                      owner != nullptr ? owner->Hwnd : nullptr, nullptr, host.Class.Instance(), &w);
  if (created == nullptr || w.Hwnd != created) {
    return ui::kNoWindow;
  }
  host.Windows.emplace(id, std::move(state));
  // The frame the system really drew (a window manager may differ from the styles' metrics):
  // size it again so the client area is exactly what was asked for.
  RECT client{};
  if (GetClientRect(w.Hwnd, &client) &&
      (client.right != w.ClientSize.Width || client.bottom != w.ClientSize.Height)) {
    SetClientBounds(id, request.ClientBounds);
  }
  return id;
}

void Win32WindowHost::Show(ui::WindowId window) {
  HostWindow* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  if (w->Spec.Kind == ui::WindowKind::Popup) {
    SetWindowPos(w->Hwnd, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return;
  }
  ShowWindow(w->Hwnd, SW_SHOW);
  SetForegroundWindow(w->Hwnd);
}

void Win32WindowHost::Hide(ui::WindowId window) {
  if (HostWindow* w = m_impl->Find(window)) {
    ShowWindow(w->Hwnd, SW_HIDE);
    w->TrackingLeave = false;
  }
}

void Win32WindowHost::Destroy(ui::WindowId window) {
  Impl& host = *m_impl;
  const auto it = host.Windows.find(window);
  if (it == host.Windows.end()) {
    return;
  }
  if (host.CaptureWindow == window) {
    host.CaptureWindow = ui::kNoWindow;
  }
  host.Windows.erase(it);
  std::erase_if(host.Pending, [window](const ui::HostEvent& e) { return e.Window == window; });
}

void Win32WindowHost::SetTitle(ui::WindowId window, std::string_view title) {
  if (HostWindow* w = m_impl->Find(window)) {
    SetWindowTextW(w->Hwnd, Utf8ToWide(title).c_str());
  }
}

void Win32WindowHost::SetClientBounds(ui::WindowId window, const gfx::Rect& bounds) {
  HostWindow* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  const gfx::Size size{std::max(bounds.Width(), 0), std::max(bounds.Height(), 0)};
  const std::optional<gfx::Rect> outer =
      OuterRect(w->Hwnd, gfx::Rect::FromSize(bounds.Left, bounds.Top, size.Width, size.Height));
  if (!outer) {
    return;
  }
  // The WM_SIZE this sends reports what the framework already knows.
  w->ClientSize = size;
  if (!SetWindowPos(w->Hwnd, nullptr, outer->Left, outer->Top, outer->Width(), outer->Height(),
                    SWP_NOZORDER | SWP_NOACTIVATE)) {
    return;
  }
  // The system may have kept the window larger (a minimum size): tell the framework.
  RECT client{};
  if (GetClientRect(w->Hwnd, &client) && !IsIconic(w->Hwnd)) {
    const gfx::Size actual{client.right, client.bottom};
    if (actual != size) {
      w->ClientSize = actual;
      m_impl->Push({.Kind = ui::HostEventKind::Resized, .Window = window, .ClientSize = actual});
    }
  }
}

void Win32WindowHost::SetInputEnabled(ui::WindowId window, bool enabled) {
  if (HostWindow* w = m_impl->Find(window)) {
    // The result is the previous state, not success.
    EnableWindow(w->Hwnd, enabled ? TRUE : FALSE);
  }
}

void Win32WindowHost::Activate(ui::WindowId window) {
  HostWindow* w = m_impl->Find(window);
  if (w == nullptr || w->Spec.Kind == ui::WindowKind::Popup || !IsWindowVisible(w->Hwnd)) {
    return;
  }
  if (!SetForegroundWindow(w->Hwnd)) {
    SetActiveWindow(w->Hwnd);
  }
}

bool Win32WindowHost::IsMaximized(ui::WindowId window) {
  const HostWindow* w = m_impl->Find(window);
  return w != nullptr && IsZoomed(w->Hwnd);
}

gfx::Point Win32WindowHost::ClientToScreen(ui::WindowId window, gfx::Point client) {
  const HostWindow* w = m_impl->Find(window);
  POINT p{client.X, client.Y};
  if (w == nullptr || !::ClientToScreen(w->Hwnd, &p)) {
    return client;
  }
  return {p.x, p.y};
}

gfx::Rect Win32WindowHost::DesktopRect() {
  RECT work{};
  if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) && !FromWinRect(work).IsEmpty()) {
    return FromWinRect(work);
  }
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

gfx::Rect Win32WindowHost::FrameMargins(const ui::WindowSpec& request) {
  const WindowStyle style = StyleFor(request);
  RECT outer{0, 0, 0, 0};
  if (!AdjustWindowRectEx(&outer, style.Style, FALSE, style.ExStyle)) {
    return {};
  }
  return {-outer.left, -outer.top, outer.right, outer.bottom};
}

void Win32WindowHost::Present(ui::WindowId window, const gfx::Bitmap& frame,
                              const gfx::Rect& area) {
  const HostWindow* w = m_impl->Find(window);
  const gfx::Rect r = area.Intersect({0, 0, frame.Width(), frame.Height()});
  if (w == nullptr || r.IsEmpty()) {
    return;
  }
  // A top-down DIB of just the area's rows of the frame: its pixels are 0x00RRGGBB, as a
  // 32-bit BI_RGB DIB stores them, so the frame is blitted as it is.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = frame.Width();
  info.bmiHeader.biHeight = -r.Height();
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  WindowDc dc(w->Hwnd);
  if (dc.Get() == nullptr) {
    return;
  }
  SetDIBitsToDevice(dc.Get(), r.Left, r.Top, static_cast<DWORD>(r.Width()),
                    static_cast<DWORD>(r.Height()), r.Left, 0, 0, static_cast<UINT>(r.Height()),
                    frame.Row(r.Top), &info, DIB_RGB_COLORS);
}

void Win32WindowHost::SetCapture(ui::WindowId window) {
  HostWindow* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  ++m_impl->OwnCaptureChanges;
  ::SetCapture(w->Hwnd);
  --m_impl->OwnCaptureChanges;
  m_impl->CaptureWindow = GetCapture() == w->Hwnd ? window : ui::kNoWindow;
}

void Win32WindowHost::ReleaseCapture() {
  Impl& host = *m_impl;
  const ui::WindowId held = std::exchange(host.CaptureWindow, ui::kNoWindow);
  ++host.OwnCaptureChanges;
  ::ReleaseCapture();
  --host.OwnCaptureChanges;
  // WM_MOUSELEAVE is not reported while the capture holds the mouse: if the pointer is
  // outside now, the window hears of it here.
  HostWindow* w = host.Find(held);
  POINT p{};
  if (w == nullptr || !GetCursorPos(&p)) {
    return;
  }
  RECT client{};
  POINT local = p;
  const bool inside = WindowFromPoint(p) == w->Hwnd && ScreenToClient(w->Hwnd, &local) &&
                      GetClientRect(w->Hwnd, &client) && PtInRect(&client, local);
  if (!inside) {
    w->TrackingLeave = false;
    host.Push({.Kind = ui::HostEventKind::MouseLeave, .Window = held});
  }
}

void Win32WindowHost::SetCursor(ui::WindowId window, ui::CursorKind cursor) {
  HostWindow* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  w->Cursor = cursor;
  // The pointer is over the client area (or held by it): show the shape now rather than at
  // the next move.
  if (w->TrackingLeave || GetCapture() == w->Hwnd) {
    ::SetCursor(SystemCursor(cursor));
  }
}

void Win32WindowHost::BeginSizeFromBottomRight(ui::WindowId window) {
  HostWindow* w = m_impl->Find(window);
  if (w == nullptr || w->Spec.Kind != ui::WindowKind::Sizeable) {
    return;
  }
  // The system's size loop takes the mouse over. Posted, not sent: the loop runs when the
  // message is dispatched, after the handler that asked has returned.
  ReleaseCapture();
  POINT p{};
  GetCursorPos(&p);
  PostMessageW(w->Hwnd, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(p.x, p.y));
}

int Win32WindowHost::WheelScrollLines() {
  UINT lines = 0;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0) || lines == WHEEL_PAGESCROLL ||
      lines > INT_MAX) {
    return kDefaultWheelLines;
  }
  return static_cast<int>(lines);
}

std::int64_t Win32WindowHost::NowMs() {
  return m_impl->TickMs();
}

std::optional<ui::HostEvent> Win32WindowHost::WaitEvent(std::int64_t timeoutMs) {
  Impl& host = *m_impl;
  const std::int64_t deadline = timeoutMs < 0 ? -1 : NowMs() + timeoutMs;
  for (;;) {
    if (!host.Pending.empty()) {
      ui::HostEvent e = host.Pending.front();
      host.Pending.pop_front();
      return e;
    }
    // Inside the system's own loop its messages are not ours to take: the nested pump polls
    // only what the window procedure queued. A caller that waits is a loop of its own (a
    // modal window opened meanwhile) and takes the messages, or it would wait for ever.
    if (timeoutMs == 0 && host.SystemLoops() > 0) {
      return std::nullopt;
    }
    MSG msg{};
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      continue;
    }
    DWORD wait = INFINITE;
    if (deadline >= 0) {
      const std::int64_t left = deadline - NowMs();
      if (left <= 0) {
        return std::nullopt;
      }
      wait = static_cast<DWORD>(std::min<std::int64_t>(left, INFINITE - 1));
    }
    if (MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
        WAIT_FAILED) {
      Sleep(std::min<DWORD>(wait, kFailedWaitMs));  // rather than spin
    }
  }
}

}  // namespace orvanta::platform
