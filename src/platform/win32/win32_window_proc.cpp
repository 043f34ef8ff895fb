// The window procedure: turns the messages of the host's windows into host events.
#include "platform/win32/win32_rect.h"
#include "platform/win32/win32_window_host_impl.h"

namespace orvanta::platform {
namespace {

// While the system runs its size, move or menu loop, this timer (milliseconds) lets the
// application serve its timers and paints.
constexpr UINT_PTR kPumpTimerId = 1;
constexpr UINT kPumpIntervalMs = 15;

// lParam bit 30 of a key-down message: the key was already down (auto-repeat).
constexpr LPARAM kKeyWasDown = LPARAM{1} << 30;

HostWindow* StateOf(HWND hwnd) {
  return reinterpret_cast<HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void EnterSystemLoop(HostWindow& w) {
  w.InSystemLoop = true;
  SetTimer(w.Hwnd, kPumpTimerId, kPumpIntervalMs, nullptr);
}

void LeaveSystemLoop(HostWindow& w) {
  w.InSystemLoop = false;
  KillTimer(w.Hwnd, kPumpTimerId);
}

void TrackLeave(HostWindow& w) {
  if (w.TrackingLeave) {
    return;
  }
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = w.Hwnd;
  w.TrackingLeave = TrackMouseEvent(&track) != FALSE;
}

}  // namespace

bool Win32WindowHost::Impl::Handle(HostWindow& w, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) {
  const ui::WindowId id = w.Id;
  result = 0;
  if (const std::optional<MouseMessage> button = MouseButtonMessage(message)) {
    Push({.Kind = button->Kind,
          .Window = id,
          .Position = PointFromLParam(lParam),
          .Button = button->Button,
          .Shift = MouseShift(wParam)});
    return true;
  }
  switch (message) {
    case WM_MOUSEMOVE:
      TrackLeave(w);
      Push({.Kind = ui::HostEventKind::MouseMove,
            .Window = id,
            .Position = PointFromLParam(lParam),
            .Shift = MouseShift(wParam)});
      return true;
    case WM_MOUSELEAVE:
      w.TrackingLeave = false;
      // A captured mouse still belongs to the window; ReleaseCapture reports a leave then.
      if (GetCapture() != w.Hwnd) {
        Push({.Kind = ui::HostEventKind::MouseLeave, .Window = id});
      }
      return true;
    case WM_MOUSEWHEEL: {
      // The position comes in screen pixels.
      const gfx::Point screen = PointFromLParam(lParam);
      POINT p{screen.X, screen.Y};
      const int notches = w.Wheel.Add(GET_WHEEL_DELTA_WPARAM(wParam));
      if (notches != 0 && ScreenToClient(w.Hwnd, &p)) {
        Push({.Kind = ui::HostEventKind::Wheel,
              .Window = id,
              .Position = {p.x, p.y},
              .Shift = MouseShift(GET_KEYSTATE_WPARAM(wParam)),
              .WheelNotches = notches});
      }
      return true;
    }
    case WM_CAPTURECHANGED:
      if (OwnCaptureChanges == 0) {
        if (CaptureWindow == id) {
          CaptureWindow = ui::kNoWindow;
        }
        Push({.Kind = ui::HostEventKind::CaptureLost, .Window = id});
      }
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
      Push({.Kind = down ? ui::HostEventKind::KeyDown : ui::HostEventKind::KeyUp,
            .Window = id,
            .Shift = KeyboardShift(),
            .Key = static_cast<unsigned>(wParam),
            .Repeat = down && (lParam & kKeyWasDown) != 0});
      // The system keys keep their system meaning too: Alt+F4, Alt+Space, F10.
      return message == WM_KEYDOWN || message == WM_KEYUP;
    }
    case WM_CHAR:
    case WM_SYSCHAR: {
      // Alt+Space opens the system menu; every other Alt+character is an access key, which
      // the system would only answer with a beep.
      if (message == WM_SYSCHAR && wParam == L' ') {
        return false;
      }
      const std::optional<char32_t> c = w.Chars.Add(static_cast<wchar_t>(wParam));
      if (c && *c >= 0x20 && *c != 0x7F) {
        ui::ShiftState shift = KeyboardShift();
        if (message == WM_SYSCHAR) {
          shift |= ui::kShiftAlt;
        }
        Push({.Kind = ui::HostEventKind::Char, .Window = id, .Shift = shift, .Char = *c});
      }
      return true;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == w.Hwnd && LOWORD(lParam) == HTCLIENT) {
        ::SetCursor(SystemCursor(w.Cursor));
        result = TRUE;
        return true;
      }
      return false;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      if (BeginPaint(w.Hwnd, &ps) != nullptr) {
        const gfx::Rect area = FromWinRect(ps.rcPaint);
        EndPaint(w.Hwnd, &ps);
        if (!area.IsEmpty()) {
          Push({.Kind = ui::HostEventKind::Exposed, .Window = id, .Area = area});
        }
      }
      return true;
    }
    case WM_ERASEBKGND:
      result = TRUE;  // the frame covers every pixel
      return true;
    case WM_SIZE: {
      if (wParam == SIZE_MINIMIZED) {
        return true;
      }
      const gfx::Size size{LOWORD(lParam), HIWORD(lParam)};
      if (size != w.ClientSize) {
        w.ClientSize = size;
        Push({.Kind = ui::HostEventKind::Resized, .Window = id, .ClientSize = size});
        if (w.InSystemLoop) {
          Pump();  // lay out and paint the new size while the user still drags
        }
      }
      return true;
    }
    case WM_ACTIVATE:
      Push({.Kind = LOWORD(wParam) == WA_INACTIVE ? ui::HostEventKind::Deactivated
                                                  : ui::HostEventKind::Activated,
            .Window = id});
      return false;  // the default moves the keyboard focus to the window
    case WM_MOUSEACTIVATE:
      if (w.Spec.Kind == ui::WindowKind::Popup) {
        result = MA_NOACTIVATE;
        return true;
      }
      return false;
    case WM_CLOSE:
      Push({.Kind = ui::HostEventKind::CloseRequest, .Window = id});
      return true;  // the framework decides; the window stays until it is destroyed
    case WM_ENTERSIZEMOVE:
    case WM_ENTERMENULOOP:
      EnterSystemLoop(w);
      return false;
    case WM_EXITSIZEMOVE:
    case WM_EXITMENULOOP:
      LeaveSystemLoop(w);
      return false;
    case WM_TIMER:
      if (wParam == kPumpTimerId) {
        if (w.InSystemLoop) {
          Pump();
        }
        return true;
      }
      return false;
    default:
      return false;
  }
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* w = static_cast<HostWindow*>(create->lpCreateParams);
    w->Hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  HostWindow* w = StateOf(hwnd);
  if (w == nullptr) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    w->Hwnd = nullptr;
    w->InSystemLoop = false;
    if (!w->DestroyedByHost) {
      // Someone else destroyed it (its owner went): to the framework that is a close.
      w->Host.Push({.Kind = ui::HostEventKind::CloseRequest, .Window = w->Id});
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  LRESULT result = 0;
  // The nested pump may destroy this window's state: w is not used after Handle.
  if (w->Host.Handle(*w, message, wParam, lParam, result)) {
    return result;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace orvanta::platform
