#pragma once

// clang-format off
#include "platform/posix/x11_host_impl.h"
// clang-format on

#include <vector>

namespace orvanta::platform {

// The items of a window property of format 32 (Xlib hands each over in a long), at most
// maxItems of them; empty when the window lacks the property, it has another type or format,
// or the request fails.
std::vector<unsigned long> ReadProperty32(Display* dpy, ::Window window, Atom property, Atom type,
                                          long maxItems);

}  // namespace orvanta::platform
