// clang-format off
#include "platform/posix/x11_property.h"
// clang-format on

#include <cstring>

namespace orvanta::platform {

std::vector<unsigned long> ReadProperty32(Display* dpy, ::Window window, Atom property, Atom type,
                                          long maxItems) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(dpy, window, property, 0, maxItems, False, type,
                                        &actualType, &format, &count, &after, &data);
  std::vector<unsigned long> items;
  if (status == Success && data != nullptr && actualType == type && format == 32) {
    items.resize(count);
    std::memcpy(items.data(), data, count * sizeof(unsigned long));
  }
  if (data != nullptr) {
    XFree(data);
  }
  return items;
}

}  // namespace orvanta::platform
