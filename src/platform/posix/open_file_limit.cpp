#include "platform/posix/open_file_limit.h"

#include <sys/resource.h>

#include <algorithm>

namespace orvanta::platform {
namespace {

// Enough for any journal; a higher soft limit only slows children that close every descriptor.
constexpr rlim_t kEnoughFiles = rlim_t{1} << 19;

}  // namespace

bool RaiseOpenFileLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) {
    return false;
  }
  const rlim_t wanted = std::max(limit.rlim_cur, std::min(limit.rlim_max, kEnoughFiles));
  if (wanted == limit.rlim_cur) {
    return true;
  }
  limit.rlim_cur = wanted;
  return ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

}  // namespace orvanta::platform
