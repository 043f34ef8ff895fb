#pragma once

#include <cstddef>
#include <string>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || \
    __has_feature(thread_sanitizer)
#define ORVANTA_FOREIGN_MALLOC 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ORVANTA_FOREIGN_MALLOC 1
#endif

namespace orvanta::platform {

// The heap can be reserved with the C library's malloc; a sanitizer brings its own.
#if defined(__GLIBC__) && !defined(ORVANTA_FOREIGN_MALLOC)
inline constexpr bool kHeapReserveAvailable = true;
#else
inline constexpr bool kHeapReserveAvailable = false;
#endif

// Logs below this size build their runs quickly enough from the heap as it grows.
inline constexpr std::size_t kMinHeapReserve = std::size_t{16} << 20;
inline constexpr std::size_t kMaxHeapReserve = std::size_t{1} << 30;

// Grows the heap by about `bytes` at once, asks the kernel to back it with huge pages, and keeps
// big blocks on the heap. Building the runs of a large log touches hundreds of megabytes of
// fresh memory; with 4 KiB pages the first refresh pays a page fault for each. Returns the
// bytes reserved: 0 below kMinHeapReserve, or where the C library or the kernel does not allow
// it (the program then runs as it would without).
std::size_t ReserveHeap(std::size_t bytes);

// Reserves about as much heap as the log file at path has bytes: the runs, list rows and chart
// points built from a log take less than that. A missing file reserves nothing.
std::size_t ReserveHeapForLog(const std::string& path);

}  // namespace orvanta::platform
