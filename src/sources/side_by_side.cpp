#include "sources/side_by_side.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace orvanta::sources {

void RunSideBySide(std::size_t count, unsigned threads,
                   const std::function<void(std::size_t, unsigned)>& work,
                   const std::function<void(std::size_t)>& done, std::size_t ahead) {
  const std::size_t poolSize = std::min<std::size_t>(std::max(1u, threads), count);
  if (poolSize <= 1) {
    for (std::size_t i = 0; i < count; ++i) {
      work(i, 0);
      done(i);
    }
    return;
  }
  ahead = std::max<std::size_t>(ahead, 1);
  std::mutex mutex;
  std::condition_variable changed;
  std::size_t next = 0;       // the next index to begin
  std::size_t delivered = 0;  // indexes below this are done
  std::vector<bool> isWorked(count, false);
  const auto worker = [&](unsigned self) {
    for (;;) {
      std::size_t i = 0;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return next >= count || next - delivered < ahead; });
        if (next >= count) {
          return;
        }
        i = next++;
      }
      work(i, self);
      {
        const std::lock_guard lock(mutex);
        isWorked[i] = true;
      }
      changed.notify_all();
    }
  };
  std::vector<std::jthread> pool;
  pool.reserve(poolSize);
  for (std::size_t t = 0; t < poolSize; ++t) {
    pool.emplace_back(worker, static_cast<unsigned>(t));
  }
  for (std::size_t i = 0; i < count; ++i) {
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return isWorked[i]; });
    }
    done(i);
    {
      const std::lock_guard lock(mutex);
      delivered = i + 1;
    }
    changed.notify_all();
  }
}

}  // namespace orvanta::sources
