#include "platform/posix/side_by_side.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

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

void RunSideBySide(std::size_t count, unsigned threads,
                   const std::function<void(std::size_t)>& work,
                   const std::function<void(std::size_t)>& done) {
  std::atomic<std::size_t> next{0};
  std::mutex mutex;
  std::condition_variable finished;
  std::vector<bool> isDone(count, false);
  const auto worker = [&] {
    for (std::size_t i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
      work(i);
      {
        const std::lock_guard lock(mutex);
        isDone[i] = true;
      }
      finished.notify_all();
    }
  };
  std::vector<std::jthread> pool;
  const std::size_t poolSize = std::min<std::size_t>(std::max(1u, threads), count);
  pool.reserve(poolSize);
  for (std::size_t t = 0; t < poolSize; ++t) {
    pool.emplace_back(worker);
  }
  for (std::size_t i = 0; i < count; ++i) {
    {
      std::unique_lock lock(mutex);
      finished.wait(lock, [&] { return isDone[i]; });
    }
    done(i);
  }
}

}  // namespace orvanta::platform
