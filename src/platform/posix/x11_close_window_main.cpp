// A tool for the end-to-end tests: asks a window to close the way a window manager's close
// button does, with a WM_DELETE_WINDOW client message. Usage: x11_close_window WINDOW-ID
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: x11_close_window WINDOW-ID\n");
    return 2;
  }
  Display* dpy = XOpenDisplay(nullptr);
  if (dpy == nullptr) {
    std::fprintf(stderr, "x11_close_window: no display\n");
    return 2;
  }
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
  e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(dpy, e.xclient.window, False, NoEventMask, &e);
  XCloseDisplay(dpy);
  return 0;
}
