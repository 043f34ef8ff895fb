#pragma once

// The ui headers come before Xlib's: its macros (None, Bool, Status) would clash with them.
// clang-format off
#include "platform/posix/x11_host.h"
#include "ui/window_host.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on

#include <deque>
#include <map>

namespace orvanta::platform {

struct X11Atoms {
  Atom WmProtocols = 0;
  Atom WmDeleteWindow = 0;
  Atom WmName = 0;
  Atom NetWmName = 0;
  Atom Utf8String = 0;
  Atom NetWmState = 0;
  Atom NetWmStateModal = 0;
  Atom NetWmStateMaximizedVert = 0;
  Atom NetWmStateMaximizedHorz = 0;
  Atom NetWmMoveResize = 0;
  Atom NetWmWindowType = 0;
  Atom NetWmWindowTypeNormal = 0;
  Atom NetWmWindowTypeDialog = 0;
  Atom NetWmWindowTypeTooltip = 0;
  Atom NetActiveWindow = 0;
  Atom NetWorkArea = 0;
  Atom NetSupportingWmCheck = 0;
  Atom MotifWmHints = 0;
};

struct X11WindowState {
  ::Window Xid = 0;
  ui::WindowSpec Spec;
  gfx::Size ClientSize;
  bool Mapped = false;
  bool ActivateWhenMapped = false;
  bool Gone = false;  // destroyed by someone else
};

struct X11Host::Impl {
  Display* Dpy = nullptr;
  int Screen = 0;
  Visual* Vis = nullptr;
  int Depth = 0;
  ::Window Root = 0;
  GC Gc = nullptr;
  X11Atoms Atoms;
  std::map<ui::CursorKind, Cursor> Cursors;
  std::map<ui::WindowId, X11WindowState> Windows;
  std::deque<ui::HostEvent> Pending;
  ui::WindowId NextId = 1;
  bool Captured = false;

  ~Impl();
  X11WindowState* Find(ui::WindowId window);
  ui::WindowId IdOf(::Window xid) const;
  bool WindowManagerRunning();
  void Focus(X11WindowState& w);
  // The steps of opening a window (x11_window_setup.cpp): the X window itself, where and how
  // large the window manager should place it, what kind of window it is, and which frame
  // buttons and functions it offers.
  ::Window CreateXWindow(const ui::WindowSpec& request, gfx::Size size);
  void SetPlacementHints(::Window xid, const ui::WindowSpec& request, gfx::Size size);
  void SetWindowRole(::Window xid, const ui::WindowSpec& request);
  void SetFrameFunctions(::Window xid, const ui::WindowSpec& request);
  // Turns one X event into zero or more host events on Pending.
  void Translate(XEvent& event);
  void TranslateKey(XEvent& event, ui::WindowId id);
};

}  // namespace orvanta::platform
