#include "platform/posix/reader_threads.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace orvanta::platform {
namespace {

constexpr unsigned kMaxThreads = 1024;

}  // namespace

unsigned ReaderThreadCount() {
  if (const char* asked = std::getenv("ORVANTA_THREADS")) {
    unsigned count = 0;
    const char* end = asked + std::strlen(asked);
    const auto [stop, error] = std::from_chars(asked, end, count);
    if (error == std::errc() && stop == end && count >= 1 && count <= kMaxThreads) {
      return count;
    }
  }
  return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace orvanta::platform
