// clang-format off
#include "platform/posix/x11_host_impl.h"
// clang-format on

#include <X11/keysym.h>
#include <sys/select.h>

#include "platform/posix/x11_keys.h"

namespace orvanta::platform {

namespace {

ui::ShiftState ShiftFromX(unsigned state) {
  ui::ShiftState shift = ui::kShiftNone;
  if ((state & ShiftMask) != 0) {
    shift |= ui::kShiftShift;
  }
  if ((state & ControlMask) != 0) {
    shift |= ui::kShiftCtrl;
  }
  if ((state & Mod1Mask) != 0) {
    shift |= ui::kShiftAlt;
  }
  return shift;
}

ui::MouseButton ButtonFromX(unsigned button) {
  switch (button) {
    case Button1:
      return ui::MouseButton::Left;
    case Button2:
      return ui::MouseButton::Middle;
    case Button3:
      return ui::MouseButton::Right;
    default:
      return ui::MouseButton{};
  }
}

}  // namespace

void X11Host::Impl::TranslateKey(XEvent& event, ui::WindowId id) {
  XKeyEvent& key = event.xkey;
  const ui::ShiftState shift = ShiftFromX(key.state);
  // The virtual key comes from the unshifted symbol, so Shift+A is still 'A'.
  const unsigned vk = VirtualKeyFromKeySym(XLookupKeysym(&key, 0));
  if (event.type == KeyRelease) {
    // Auto-repeat shows up as a release and a press with the same time: only the press counts.
    if (XEventsQueued(Dpy, QueuedAfterReading) > 0) {
      XEvent next;
      XPeekEvent(Dpy, &next);
      if (next.type == KeyPress && next.xkey.time == key.time && next.xkey.keycode == key.keycode &&
          next.xkey.window == key.window) {
        XNextEvent(Dpy, &next);
        TranslateKey(next, id);
        if (!Pending.empty() && Pending.front().Kind == ui::HostEventKind::KeyDown) {
          Pending.front().Repeat = true;
        }
        return;
      }
    }
    if (vk != 0) {
      Pending.push_back(
          {.Kind = ui::HostEventKind::KeyUp, .Window = id, .Shift = shift, .Key = vk});
    }
    return;
  }
  char text[16];
  KeySym sym = 0;
  XLookupString(&key, text, sizeof text, &sym, nullptr);
  if (vk != 0) {
    Pending.push_back(
        {.Kind = ui::HostEventKind::KeyDown, .Window = id, .Shift = shift, .Key = vk});
  }
  if ((shift & ui::kShiftCtrl) == 0) {
    if (const char32_t c = CharFromKeySym(sym); c != 0) {
      Pending.push_back({.Kind = ui::HostEventKind::Char, .Window = id, .Shift = shift, .Char = c});
    }
  }
}

void X11Host::Impl::Translate(XEvent& event) {
  if (event.type == MappingNotify) {
    XRefreshKeyboardMapping(&event.xmapping);
    return;
  }
  const ui::WindowId id = IdOf(event.xany.window);
  X11WindowState* w = Find(id);
  if (w == nullptr) {
    return;
  }
  switch (event.type) {
    case Expose:
      Pending.push_back({.Kind = ui::HostEventKind::Exposed,
                         .Window = id,
                         .Area = gfx::Rect::FromSize(event.xexpose.x, event.xexpose.y,
                                                     event.xexpose.width, event.xexpose.height)});
      break;
    case ConfigureNotify: {
      const gfx::Size size{event.xconfigure.width, event.xconfigure.height};
      if (size != w->ClientSize) {
        w->ClientSize = size;
        Pending.push_back({.Kind = ui::HostEventKind::Resized, .Window = id, .ClientSize = size});
      }
      break;
    }
    case MapNotify:
      w->Mapped = true;
      if (w->ActivateWhenMapped) {
        w->ActivateWhenMapped = false;
        Focus(*w);
      }
      break;
    case UnmapNotify:
      w->Mapped = false;
      break;
    case DestroyNotify:
      // Someone else destroyed the window (xdotool windowclose does): take it as a close.
      w->Gone = true;
      Pending.push_back({.Kind = ui::HostEventKind::CloseRequest, .Window = id});
      break;
    case ButtonPress:
    case ButtonRelease: {
      const XButtonEvent& b = event.xbutton;
      const gfx::Point p{b.x, b.y};
      if (b.button == Button4 || b.button == Button5) {
        if (event.type == ButtonPress) {
          Pending.push_back({.Kind = ui::HostEventKind::Wheel,
                             .Window = id,
                             .Position = p,
                             .Shift = ShiftFromX(b.state),
                             .WheelNotches = b.button == Button4 ? 1 : -1});
        }
        break;
      }
      const ui::MouseButton button = ButtonFromX(b.button);
      if (button == ui::MouseButton{}) {
        break;  // horizontal wheel and extra buttons
      }
      Pending.push_back({.Kind = event.type == ButtonPress ? ui::HostEventKind::MouseDown
                                                           : ui::HostEventKind::MouseUp,
                         .Window = id,
                         .Position = p,
                         .Button = button,
                         .Shift = ShiftFromX(b.state)});
      break;
    }
    case MotionNotify: {
      // Only the latest of a run of moves matters.
      XEvent latest = event;
      while (XCheckTypedWindowEvent(Dpy, event.xmotion.window, MotionNotify, &latest)) {
      }
      Pending.push_back({.Kind = ui::HostEventKind::MouseMove,
                         .Window = id,
                         .Position = {latest.xmotion.x, latest.xmotion.y},
                         .Shift = ShiftFromX(latest.xmotion.state)});
      break;
    }
    case LeaveNotify:
      if (event.xcrossing.mode == NotifyNormal && event.xcrossing.detail != NotifyInferior &&
          !Captured) {
        Pending.push_back({.Kind = ui::HostEventKind::MouseLeave, .Window = id});
      }
      break;
    case KeyPress:
    case KeyRelease:
      TranslateKey(event, id);
      break;
    case FocusIn:
    case FocusOut:
      if (event.xfocus.mode == NotifyGrab || event.xfocus.mode == NotifyUngrab ||
          event.xfocus.detail == NotifyPointer) {
        break;
      }
      Pending.push_back({.Kind = event.type == FocusIn ? ui::HostEventKind::Activated
                                                       : ui::HostEventKind::Deactivated,
                         .Window = id});
      break;
    case ClientMessage:
      if (event.xclient.message_type == Atoms.WmProtocols &&
          static_cast<Atom>(event.xclient.data.l[0]) == Atoms.WmDeleteWindow) {
        Pending.push_back({.Kind = ui::HostEventKind::CloseRequest, .Window = id});
      }
      break;
    default:
      break;
  }
}

std::optional<ui::HostEvent> X11Host::WaitEvent(std::int64_t timeoutMs) {
  Impl& x = *m_impl;
  const std::int64_t deadline = timeoutMs < 0 ? -1 : NowMs() + timeoutMs;
  for (;;) {
    if (!x.Pending.empty()) {
      ui::HostEvent e = x.Pending.front();
      x.Pending.pop_front();
      return e;
    }
    if (XPending(x.Dpy) > 0) {
      XEvent event;
      XNextEvent(x.Dpy, &event);
      x.Translate(event);
      continue;
    }
    std::int64_t wait = -1;
    if (deadline >= 0) {
      wait = deadline - NowMs();
      if (wait <= 0) {
        return std::nullopt;
      }
    }
    XFlush(x.Dpy);
    const int fd = ConnectionNumber(x.Dpy);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval tv{};
    if (wait >= 0) {
      tv.tv_sec = static_cast<time_t>(wait / 1000);
      tv.tv_usec = static_cast<suseconds_t>((wait % 1000) * 1000);
    }
    select(fd + 1, &readable, nullptr, nullptr, wait >= 0 ? &tv : nullptr);
  }
}

}  // namespace orvanta::platform
