#include "sources/side_by_side.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
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
  // A throw from work or done stops every thread, and is thrown again once all have ended.
  bool stopped = false;
  std::exception_ptr failure;
  const auto stop = [&](std::exception_ptr thrown) {
    {
      const std::lock_guard lock(mutex);
      stopped = true;
      if (!failure) {
        failure = std::move(thrown);
      }
    }
    changed.notify_all();
  };
  const auto worker = [&](unsigned self) {
    for (;;) {
      std::size_t i = 0;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return stopped || next >= count || next - delivered < ahead; });
        if (stopped || next >= count) {
          return;
        }
        i = next++;
      }
      try {
        work(i, self);
      } catch (...) {
        stop(std::current_exception());
        return;
      }
      {
        const std::lock_guard lock(mutex);
        isWorked[i] = true;
      }
      changed.notify_all();
    }
  };
  {
    std::vector<std::jthread> pool;
    pool.reserve(poolSize);
    for (std::size_t t = 0; t < poolSize; ++t) {
      pool.emplace_back(worker, static_cast<unsigned>(t));
    }
    for (std::size_t i = 0; i < count; ++i) {
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return stopped || isWorked[i]; });
        if (stopped) {
          break;
        }
      }
      try {
        done(i);
      } catch (...) {
        stop(std::current_exception());
        break;
      }
      {
        const std::lock_guard lock(mutex);
        delivered = i + 1;
      }
      changed.notify_all();
    }
  }  // every thread has ended here
  if (failure) {
    std::rethrow_exception(failure);
  }
}

}  // namespace orvanta::sources
