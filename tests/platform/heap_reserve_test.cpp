#include "platform/posix/heap_reserve.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace orvanta::platform {
namespace {

constexpr std::size_t kMiB = std::size_t{1} << 20;

// Each test runs in a process of its own, so the heap starts untouched by the others.

std::string FileText(const std::string& path) {
  std::ifstream file(path);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool HugePagesCanBeAdvised() {
  const std::string mode = FileText("/sys/kernel/mm/transparent_hugepage/enabled");
  return !mode.empty() && mode.find("[never]") == std::string::npos;
}

// Whether a mapping of the heap is marked for huge pages ("hg" among its flags).
bool HeapAdvisedForHugePages() {
  std::ifstream smaps("/proc/self/smaps");
  bool inHeap = false;
  for (std::string line; std::getline(smaps, line);) {
    if (line.find('-') < line.find(' ') && line.find(' ') != std::string::npos &&
        std::isxdigit(static_cast<unsigned char>(line[0]))) {
      inHeap = line.find("[heap]") != std::string::npos;
    } else if (inHeap && line.rfind("VmFlags:", 0) == 0 && line.find(" hg") != std::string::npos) {
      return true;
    }
  }
  return false;
}

TEST(HeapReserve, SmallLogsAndMissingFilesReserveNothing) {
  EXPECT_EQ(ReserveHeap(kMinHeapReserve - 1), 0u);
  EXPECT_EQ(ReserveHeapForLog("/nonexistent/orvanta.evt"), 0u);
  EXPECT_EQ(ReserveHeapForLog("/"), 0u);
}

TEST(HeapReserve, LaterBlocksComeFromTheReserveWithoutGrowingTheHeap) {
  if (!kHeapReserveAvailable) {
    GTEST_SKIP() << "a sanitizer's malloc has no heap to reserve";
  }
  const std::size_t reserved = ReserveHeap(64 * kMiB);
  ASSERT_GE(reserved, 64 * kMiB);
  const void* top = sbrk(0);
  // The size of a vector of runs, and many row texts: neither needs a fresh mapping.
  void* big = std::malloc(24 * kMiB);
  ASSERT_NE(big, nullptr);
  std::memset(big, 1, 24 * kMiB);
  const auto* bigAddress = static_cast<const char*>(big);
  EXPECT_LT(bigAddress, static_cast<const char*>(top));
  EXPECT_GT(bigAddress + 24 * kMiB, static_cast<const char*>(top) - reserved);
  for (int i = 0; i < 100000; ++i) {
    std::free(std::malloc(96));
  }
  EXPECT_EQ(sbrk(0), top);
  std::free(big);
  EXPECT_EQ(sbrk(0), top) << "the reserve is kept for the next refresh";
  if (HugePagesCanBeAdvised()) {
    EXPECT_TRUE(HeapAdvisedForHugePages());
  }
}

TEST(HeapReserve, ALargeLogFileReservesAboutItsSizeUpToTheCap) {
  if (!kHeapReserveAvailable) {
    GTEST_SKIP() << "a sanitizer's malloc has no heap to reserve";
  }
  const std::string path = testing::TempDir() + "orvanta_heap_reserve.evt";
  {
    std::ofstream file(path, std::ios::binary);
    file.seekp(static_cast<std::streamoff>(20 * kMiB - 1));
    file.put('\0');  // a sparse file of 20 MiB
  }
  const std::size_t reserved = ReserveHeapForLog(path);
  std::remove(path.c_str());
  EXPECT_GE(reserved, 20 * kMiB);
  EXPECT_LT(reserved, 24 * kMiB);
}

}  // namespace
}  // namespace orvanta::platform
