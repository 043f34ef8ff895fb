// clang-format off
#include "platform/posix/x11_host_impl.h"
#include "platform/posix/x11_property.h"
// clang-format on

#include <X11/Xatom.h>
#include <X11/cursorfont.h>
#include <time.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace orvanta::platform {

namespace {

std::string g_failure;

// X reports errors asynchronously; ours are harmless races (a window the window manager
// already destroyed, focus given to a window not yet viewable), so they are dropped instead of
// ending the program as Xlib's default handler does.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// _NET_WM_MOVERESIZE direction for the bottom-right corner.
constexpr long kMoveResizeSizeBottomRight = 4;
constexpr long kSourceApplication = 1;

struct CursorGlyph {
  ui::CursorKind Kind;
  unsigned Shape;
};
constexpr CursorGlyph kCursorGlyphs[] = {
    {ui::CursorKind::Arrow, XC_left_ptr},
    {ui::CursorKind::Hand, XC_hand2},
    {ui::CursorKind::IBeam, XC_xterm},
    {ui::CursorKind::Wait, XC_watch},
    {ui::CursorKind::SizeNWSE, XC_bottom_right_corner},
    {ui::CursorKind::SizeWE, XC_sb_h_double_arrow},
    {ui::CursorKind::SizeNS, XC_sb_v_double_arrow},
};

void SetUtf8Property(Display* dpy, ::Window w, Atom property, Atom type, std::string_view text) {
  XChangeProperty(dpy, w, property, type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(text.data()),
                  static_cast<int>(text.size()));
}

}  // namespace

X11Host::Impl::~Impl() {
  if (Dpy == nullptr) {
    return;
  }
  for (auto& [id, w] : Windows) {
    if (!w.Gone) {
      XDestroyWindow(Dpy, w.Xid);
    }
  }
  for (auto& [kind, cursor] : Cursors) {
    XFreeCursor(Dpy, cursor);
  }
  if (Gc != nullptr) {
    XFreeGC(Dpy, Gc);
  }
  XCloseDisplay(Dpy);
}

X11WindowState* X11Host::Impl::Find(ui::WindowId window) {
  auto it = Windows.find(window);
  return it != Windows.end() && !it->second.Gone ? &it->second : nullptr;
}

ui::WindowId X11Host::Impl::IdOf(::Window xid) const {
  for (const auto& [id, w] : Windows) {
    if (w.Xid == xid) {
      return id;
    }
  }
  return ui::kNoWindow;
}

bool X11Host::Impl::WindowManagerRunning() {
  return ReadProperty32(Dpy, Root, Atoms.NetSupportingWmCheck, XA_WINDOW, 1).size() == 1;
}

void X11Host::Impl::Focus(X11WindowState& w) {
  if (WindowManagerRunning()) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w.Xid;
    e.xclient.message_type = Atoms.NetActiveWindow;
    e.xclient.format = 32;
    e.xclient.data.l[0] = kSourceApplication;
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(Dpy, Root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  } else {
    XSetInputFocus(Dpy, w.Xid, RevertToParent, CurrentTime);
  }
  XRaiseWindow(Dpy, w.Xid);
}

std::unique_ptr<X11Host> X11Host::Connect(const char* displayName) {
  g_failure.clear();
  Display* dpy = XOpenDisplay(displayName);
  if (dpy == nullptr) {
    const char* name = displayName != nullptr ? displayName : XDisplayName(nullptr);
    g_failure = std::string("cannot open the X display \"") + (name != nullptr ? name : "") + "\"";
    return nullptr;
  }
  XSetErrorHandler(IgnoreXError);
  auto impl = std::make_unique<Impl>();
  impl->Dpy = dpy;
  impl->Screen = DefaultScreen(dpy);
  impl->Vis = DefaultVisual(dpy, impl->Screen);
  impl->Depth = DefaultDepth(dpy, impl->Screen);
  impl->Root = RootWindow(dpy, impl->Screen);
  // gfx pixels are 0x00RRGGBB in 32 bits: the server must take those as they are.
  if (impl->Vis->c_class != TrueColor || (impl->Depth != 24 && impl->Depth != 32) ||
      impl->Vis->red_mask != 0xFF0000 || impl->Vis->green_mask != 0x00FF00 ||
      impl->Vis->blue_mask != 0x0000FF) {
    g_failure = "the X display is not a 24- or 32-bit TrueColor display";
    return nullptr;
  }
  impl->Gc = XCreateGC(dpy, impl->Root, 0, nullptr);
  X11Atoms& a = impl->Atoms;
  const auto intern = [dpy](const char* name) { return XInternAtom(dpy, name, False); };
  a.WmProtocols = intern("WM_PROTOCOLS");
  a.WmDeleteWindow = intern("WM_DELETE_WINDOW");
  a.WmName = XA_WM_NAME;
  a.NetWmName = intern("_NET_WM_NAME");
  a.Utf8String = intern("UTF8_STRING");
  a.NetWmState = intern("_NET_WM_STATE");
  a.NetWmStateModal = intern("_NET_WM_STATE_MODAL");
  a.NetWmStateMaximizedVert = intern("_NET_WM_STATE_MAXIMIZED_VERT");
  a.NetWmStateMaximizedHorz = intern("_NET_WM_STATE_MAXIMIZED_HORZ");
  a.NetWmMoveResize = intern("_NET_WM_MOVERESIZE");
  a.NetWmWindowType = intern("_NET_WM_WINDOW_TYPE");
  a.NetWmWindowTypeNormal = intern("_NET_WM_WINDOW_TYPE_NORMAL");
  a.NetWmWindowTypeDialog = intern("_NET_WM_WINDOW_TYPE_DIALOG");
  a.NetWmWindowTypeTooltip = intern("_NET_WM_WINDOW_TYPE_TOOLTIP");
  a.NetActiveWindow = intern("_NET_ACTIVE_WINDOW");
  a.NetWorkArea = intern("_NET_WORKAREA");
  a.NetSupportingWmCheck = intern("_NET_SUPPORTING_WM_CHECK");
  a.MotifWmHints = intern("_MOTIF_WM_HINTS");
  for (const CursorGlyph& shape : kCursorGlyphs) {
    impl->Cursors[shape.Kind] = XCreateFontCursor(dpy, shape.Shape);
  }
  return std::unique_ptr<X11Host>(new X11Host(std::move(impl)));
}

std::string X11Host::FailureReason() {
  return g_failure;
}

X11Host::X11Host(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

X11Host::~X11Host() = default;

ui::WindowId X11Host::Open(const ui::WindowSpec& request) {
  Impl& x = *m_impl;
  const gfx::Size size{std::max(request.ClientBounds.Width(), 1),
                       std::max(request.ClientBounds.Height(), 1)};
  const ::Window xid = x.CreateXWindow(request, size);
  if (xid == 0) {
    return ui::kNoWindow;
  }
  const ui::WindowId id = x.NextId++;
  X11WindowState& w = x.Windows[id];
  w.Xid = xid;
  w.Spec = request;
  w.ClientSize = size;
  x.SetPlacementHints(xid, request, size);
  SetTitle(id, request.Title);
  x.SetWindowRole(xid, request);
  x.SetFrameFunctions(xid, request);
  XDefineCursor(x.Dpy, xid, x.Cursors[ui::CursorKind::Arrow]);
  return id;
}

void X11Host::Show(ui::WindowId window) {
  if (X11WindowState* w = m_impl->Find(window)) {
    w->ActivateWhenMapped = w->Spec.Kind != ui::WindowKind::Popup;
    XMapRaised(m_impl->Dpy, w->Xid);
    XFlush(m_impl->Dpy);
  }
}

void X11Host::Hide(ui::WindowId window) {
  if (X11WindowState* w = m_impl->Find(window)) {
    w->ActivateWhenMapped = false;
    if (w->Spec.Kind == ui::WindowKind::Popup) {
      XUnmapWindow(m_impl->Dpy, w->Xid);
    } else {
      XWithdrawWindow(m_impl->Dpy, w->Xid, m_impl->Screen);
    }
    w->Mapped = false;
    XFlush(m_impl->Dpy);
  }
}

void X11Host::Destroy(ui::WindowId window) {
  auto it = m_impl->Windows.find(window);
  if (it == m_impl->Windows.end()) {
    return;
  }
  if (!it->second.Gone) {
    XDestroyWindow(m_impl->Dpy, it->second.Xid);
    XFlush(m_impl->Dpy);
  }
  m_impl->Windows.erase(it);
}

void X11Host::SetTitle(ui::WindowId window, std::string_view title) {
  if (X11WindowState* w = m_impl->Find(window)) {
    const X11Atoms& a = m_impl->Atoms;
    SetUtf8Property(m_impl->Dpy, w->Xid, a.NetWmName, a.Utf8String, title);
    SetUtf8Property(m_impl->Dpy, w->Xid, a.WmName, a.Utf8String, title);
  }
}

void X11Host::SetClientBounds(ui::WindowId window, const gfx::Rect& bounds) {
  X11WindowState* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  const int width = std::max(bounds.Width(), 1);
  const int height = std::max(bounds.Height(), 1);
  if (w->Spec.Kind == ui::WindowKind::Dialog) {
    XSizeHints* size = XAllocSizeHints();
    size->flags = PMinSize | PMaxSize;
    size->min_width = size->max_width = width;
    size->min_height = size->max_height = height;
    XSetWMNormalHints(m_impl->Dpy, w->Xid, size);
    XFree(size);
  }
  w->ClientSize = {width, height};
  XMoveResizeWindow(m_impl->Dpy, w->Xid, bounds.Left, bounds.Top, static_cast<unsigned>(width),
                    static_cast<unsigned>(height));
  XFlush(m_impl->Dpy);
}

void X11Host::Activate(ui::WindowId window) {
  X11WindowState* w = m_impl->Find(window);
  if (w == nullptr || w->Spec.Kind == ui::WindowKind::Popup) {
    return;
  }
  if (w->Mapped) {
    m_impl->Focus(*w);
  } else {
    w->ActivateWhenMapped = true;
  }
}

bool X11Host::IsMaximized(ui::WindowId window) {
  X11WindowState* w = m_impl->Find(window);
  if (w == nullptr) {
    return false;
  }
  const X11Atoms& a = m_impl->Atoms;
  bool vertical = false;
  bool horizontal = false;
  for (const unsigned long state : ReadProperty32(m_impl->Dpy, w->Xid, a.NetWmState, XA_ATOM, 32)) {
    vertical = vertical || state == a.NetWmStateMaximizedVert;
    horizontal = horizontal || state == a.NetWmStateMaximizedHorz;
  }
  return vertical && horizontal;
}

gfx::Point X11Host::ClientToScreen(ui::WindowId window, gfx::Point client) {
  X11WindowState* w = m_impl->Find(window);
  if (w == nullptr) {
    return client;
  }
  int x = 0;
  int y = 0;
  ::Window child = 0;
  XTranslateCoordinates(m_impl->Dpy, w->Xid, m_impl->Root, client.X, client.Y, &x, &y, &child);
  return {x, y};
}

gfx::Rect X11Host::DesktopRect() {
  Impl& x = *m_impl;
  gfx::Rect screen{0, 0, DisplayWidth(x.Dpy, x.Screen), DisplayHeight(x.Dpy, x.Screen)};
  const std::vector<unsigned long> v =
      ReadProperty32(x.Dpy, x.Root, x.Atoms.NetWorkArea, XA_CARDINAL, 4);
  if (v.size() >= 4) {
    const gfx::Rect work = gfx::Rect::FromSize(static_cast<int>(v[0]), static_cast<int>(v[1]),
                                               static_cast<int>(v[2]), static_cast<int>(v[3]));
    if (!work.Intersect(screen).IsEmpty()) {
      screen = work.Intersect(screen);
    }
  }
  return screen;
}

void X11Host::Present(ui::WindowId window, const gfx::Bitmap& frame, const gfx::Rect& area) {
  X11WindowState* w = m_impl->Find(window);
  const gfx::Rect r = area.Intersect({0, 0, frame.Width(), frame.Height()});
  if (w == nullptr || r.IsEmpty()) {
    return;
  }
  // An image over the frame's own pixels: 32 bits per pixel, least significant byte first,
  // which is how 0x00RRGGBB lies in memory here; Xlib swaps for a server that differs.
  XImage image{};
  image.width = frame.Width();
  image.height = frame.Height();
  image.xoffset = 0;
  image.format = ZPixmap;
  image.data = const_cast<char*>(reinterpret_cast<const char*>(frame.Pixels().data()));
  image.byte_order = LSBFirst;
  image.bitmap_unit = 32;
  image.bitmap_bit_order = LSBFirst;
  image.bitmap_pad = 32;
  image.depth = m_impl->Depth;
  image.bytes_per_line = frame.Width() * 4;
  image.bits_per_pixel = 32;
  image.red_mask = m_impl->Vis->red_mask;
  image.green_mask = m_impl->Vis->green_mask;
  image.blue_mask = m_impl->Vis->blue_mask;
  if (XInitImage(&image) == 0) {
    return;
  }
  XPutImage(m_impl->Dpy, w->Xid, m_impl->Gc, &image, r.Left, r.Top, r.Left, r.Top,
            static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()));
  XFlush(m_impl->Dpy);
}

void X11Host::SetCapture(ui::WindowId window) {
  X11WindowState* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  const int status = XGrabPointer(m_impl->Dpy, w->Xid, False,
                                  ButtonPressMask | ButtonReleaseMask | PointerMotionMask,
                                  GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
  m_impl->Captured = status == GrabSuccess;
}

void X11Host::ReleaseCapture() {
  XUngrabPointer(m_impl->Dpy, CurrentTime);
  XFlush(m_impl->Dpy);
  m_impl->Captured = false;
}

void X11Host::SetCursor(ui::WindowId window, ui::CursorKind cursor) {
  X11WindowState* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  auto it = m_impl->Cursors.find(cursor);
  if (it == m_impl->Cursors.end()) {
    it = m_impl->Cursors.find(ui::CursorKind::Arrow);
  }
  XDefineCursor(m_impl->Dpy, w->Xid, it->second);
  XFlush(m_impl->Dpy);
}

void X11Host::BeginSizeFromBottomRight(ui::WindowId window) {
  X11WindowState* w = m_impl->Find(window);
  if (w == nullptr) {
    return;
  }
  Impl& x = *m_impl;
  // The window manager takes the pointer over: ours, and the press's implicit grab, go.
  XUngrabPointer(x.Dpy, CurrentTime);
  x.Captured = false;
  ::Window rootReturn = 0;
  ::Window childReturn = 0;
  int rootX = 0;
  int rootY = 0;
  int winX = 0;
  int winY = 0;
  unsigned mask = 0;
  XQueryPointer(x.Dpy, w->Xid, &rootReturn, &childReturn, &rootX, &rootY, &winX, &winY, &mask);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w->Xid;
  e.xclient.message_type = x.Atoms.NetWmMoveResize;
  e.xclient.format = 32;
  e.xclient.data.l[0] = rootX;
  e.xclient.data.l[1] = rootY;
  e.xclient.data.l[2] = kMoveResizeSizeBottomRight;
  e.xclient.data.l[3] = Button1;
  e.xclient.data.l[4] = kSourceApplication;
  XSendEvent(x.Dpy, x.Root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  XFlush(x.Dpy);
}

std::int64_t X11Host::NowMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

}  // namespace orvanta::platform
