// clang-format off
#include "platform/posix/x11_host_impl.h"
// clang-format on

#include <X11/Xatom.h>

#include <string>

// Opening a window on X11: the window, then what the window manager is told about it.
namespace orvanta::platform {

namespace {

// Motif window manager hints: which frame buttons and functions a window offers.
constexpr unsigned long kMwmHintsFunctions = 1UL << 0;
constexpr unsigned long kMwmHintsDecorations = 1UL << 1;
constexpr unsigned long kMwmFuncResize = 1UL << 1;
constexpr unsigned long kMwmFuncMove = 1UL << 2;
constexpr unsigned long kMwmFuncMinimize = 1UL << 3;
constexpr unsigned long kMwmFuncMaximize = 1UL << 4;
constexpr unsigned long kMwmFuncClose = 1UL << 5;
constexpr unsigned long kMwmDecorBorder = 1UL << 1;
constexpr unsigned long kMwmDecorResize = 1UL << 2;
constexpr unsigned long kMwmDecorTitle = 1UL << 3;
constexpr unsigned long kMwmDecorMenu = 1UL << 4;
constexpr unsigned long kMwmDecorMinimize = 1UL << 5;
constexpr unsigned long kMwmDecorMaximize = 1UL << 6;

bool IsPopup(const ui::WindowSpec& request) {
  return request.Kind == ui::WindowKind::Popup;
}

void SetAtomProperty(Display* dpy, ::Window xid, Atom property, Atom value) {
  XChangeProperty(dpy, xid, property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&value), 1);
}

}  // namespace

::Window X11Host::Impl::CreateXWindow(const ui::WindowSpec& request, gfx::Size size) {
  const bool popup = IsPopup(request);
  XSetWindowAttributes attrs{};
  attrs.background_pixmap = None;  // we paint every pixel: no flash of a background colour
  attrs.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                     ButtonReleaseMask | PointerMotionMask | LeaveWindowMask | StructureNotifyMask |
                     FocusChangeMask;
  attrs.override_redirect = popup ? True : False;
  attrs.save_under = popup ? True : False;
  return XCreateWindow(Dpy, Root, request.ClientBounds.Left, request.ClientBounds.Top,
                       static_cast<unsigned>(size.Width), static_cast<unsigned>(size.Height), 0,
                       Depth, InputOutput, Vis,
                       CWBackPixmap | CWEventMask | CWOverrideRedirect | CWSaveUnder, &attrs);
}

void X11Host::Impl::SetPlacementHints(::Window xid, const ui::WindowSpec& request, gfx::Size size) {
  XSizeHints* sizeHints = XAllocSizeHints();
  XWMHints* hints = XAllocWMHints();
  XClassHint* cls = XAllocClassHint();
  if (sizeHints != nullptr && hints != nullptr && cls != nullptr) {
    sizeHints->flags = PPosition | PSize | USPosition | USSize;
    sizeHints->x = request.ClientBounds.Left;
    sizeHints->y = request.ClientBounds.Top;
    sizeHints->width = size.Width;
    sizeHints->height = size.Height;
    if (request.Kind == ui::WindowKind::Dialog) {
      sizeHints->flags |= PMinSize | PMaxSize;
      sizeHints->min_width = sizeHints->max_width = size.Width;
      sizeHints->min_height = sizeHints->max_height = size.Height;
    }
    hints->flags = InputHint | StateHint;
    hints->input = IsPopup(request) ? False : True;
    hints->initial_state = NormalState;
    std::string resName = "orvanta";
    std::string resClass = "Orvanta";
    cls->res_name = resName.data();
    cls->res_class = resClass.data();
    XSetWMProperties(Dpy, xid, nullptr, nullptr, nullptr, 0, sizeHints, hints, cls);
  }
  for (void* allocated :
       {static_cast<void*>(sizeHints), static_cast<void*>(hints), static_cast<void*>(cls)}) {
    if (allocated != nullptr) {
      XFree(allocated);
    }
  }
}

void X11Host::Impl::SetWindowRole(::Window xid, const ui::WindowSpec& request) {
  const bool popup = IsPopup(request);
  if (!popup) {
    Atom protocols[] = {Atoms.WmDeleteWindow};
    XSetWMProtocols(Dpy, xid, protocols, 1);
  }
  const Atom type = popup ? Atoms.NetWmWindowTypeTooltip
                    : request.Kind == ui::WindowKind::Dialog || request.Owner != ui::kNoWindow
                        ? Atoms.NetWmWindowTypeDialog
                        : Atoms.NetWmWindowTypeNormal;
  SetAtomProperty(Dpy, xid, Atoms.NetWmWindowType, type);
  if (const X11WindowState* owner = Find(request.Owner)) {
    XSetTransientForHint(Dpy, xid, owner->Xid);
  }
  if (request.Modal) {
    SetAtomProperty(Dpy, xid, Atoms.NetWmState, Atoms.NetWmStateModal);
  }
}

void X11Host::Impl::SetFrameFunctions(::Window xid, const ui::WindowSpec& request) {
  if (IsPopup(request)) {
    return;
  }
  const bool sizeable = request.Kind == ui::WindowKind::Sizeable;
  unsigned long functions = kMwmFuncMove | kMwmFuncClose;
  unsigned long decorations = kMwmDecorBorder | kMwmDecorTitle;
  if (sizeable) {
    functions |= kMwmFuncResize;
    decorations |= kMwmDecorResize;
  }
  if (request.SystemMenu) {
    decorations |= kMwmDecorMenu;
  }
  if (request.MinimizeBox) {
    functions |= kMwmFuncMinimize;
    decorations |= kMwmDecorMinimize;
  }
  if (request.MaximizeBox && sizeable) {
    functions |= kMwmFuncMaximize;
    decorations |= kMwmDecorMaximize;
  }
  unsigned long motif[5] = {kMwmHintsFunctions | kMwmHintsDecorations, functions, decorations, 0,
                            0};
  XChangeProperty(Dpy, xid, Atoms.MotifWmHints, Atoms.MotifWmHints, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(motif), 5);
}

}  // namespace orvanta::platform
