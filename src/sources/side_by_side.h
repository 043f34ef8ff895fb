#pragma once

#include <cstddef>
#include <functional>
#include <limits>

namespace orvanta::sources {

// Runs work(i, worker) for every i below count on up to `threads` threads of their own, each
// index on one thread only, worker naming that thread (below `threads`) so that it may keep
// state of its own; meanwhile the calling thread runs done(i) for each i in order, as soon as
// work(i) has returned. No index is begun more than `ahead` places past the one next to be
// done, so that what the work keeps for done stays bounded: work(i) may reuse the room of slot
// i % ahead, since done(i - ahead) has returned by then. One thread runs work and done in
// turn on the calling thread. All threads have ended when it returns, or throws what work or
// done threw first (the rest is then left undone).
void RunSideBySide(std::size_t count, unsigned threads,
                   const std::function<void(std::size_t index, unsigned worker)>& work,
                   const std::function<void(std::size_t index)>& done,
                   std::size_t ahead = std::numeric_limits<std::size_t>::max());

}  // namespace orvanta::sources
