#include "platform/posix/heap_reserve.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace orvanta::platform {

#if defined(__GLIBC__) && !defined(ORVANTA_FOREIGN_MALLOC)

namespace {

constexpr std::uintptr_t kPageSize = 4096;
constexpr int kDefaultTopPad = 128 << 10;
// The largest block the C library lets the heap serve instead of a mapping of its own.
constexpr int kMaxMmapThreshold = 32 << 20;
constexpr std::size_t kProbeSize = std::size_t{1} << 20;

std::uintptr_t PageUp(std::uintptr_t address) {
  return (address + kPageSize - 1) & ~(kPageSize - 1);
}

}  // namespace

std::size_t ReserveHeap(std::size_t bytes) {
  if (bytes < kMinHeapReserve) {
    return 0;
  }
  bytes = std::min(bytes, kMaxHeapReserve);
  const int size = static_cast<int>(bytes);
  // Big blocks from the heap rather than from mappings of their own, and freed memory kept, so
  // that the huge pages serve the vectors too and a second refresh reuses the first one's.
  mallopt(M_MMAP_THRESHOLD, std::min(size, kMaxMmapThreshold));
  mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
  // One block that the top of the heap cannot hold makes malloc grow it by the pad as well.
  mallopt(M_TOP_PAD, size);
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void* volatile probe = std::malloc(kProbeSize);
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  std::free(probe);
  mallopt(M_TOP_PAD, kDefaultTopPad);  // later growth in the usual steps again
  const std::uintptr_t start = PageUp(before);
  if (probe == nullptr || after <= start) {
    return 0;
  }
  // Without transparent huge pages this fails and the reserve still saves the heap's growth.
  ::madvise(reinterpret_cast<void*>(start), after - start, MADV_HUGEPAGE);
  return after - start;
}

#else

std::size_t ReserveHeap(std::size_t) {
  return 0;
}

#endif

std::size_t ReserveHeapForLog(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) {
    return 0;
  }
  return ReserveHeap(static_cast<std::size_t>(info.st_size));
}

}  // namespace orvanta::platform
