#pragma once

#include <cstddef>
#include <functional>

namespace orvanta::platform {

// How many threads read logs side by side: ORVANTA_THREADS where it holds a count from 1 to
// 1024 (benchmarks set 1 to compare), else one per core.
unsigned ReaderThreadCount();

// Runs work(i) for every i below count on up to `threads` threads of their own, each index on
// one thread only; meanwhile the calling thread runs done(i) for each i in order, as soon as
// work(i) has returned. All threads have ended when it returns.
void RunSideBySide(std::size_t count, unsigned threads,
                   const std::function<void(std::size_t)>& work,
                   const std::function<void(std::size_t)>& done);

}  // namespace orvanta::platform
