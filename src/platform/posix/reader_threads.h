#pragma once

namespace orvanta::platform {

// How many threads read logs: ORVANTA_THREADS where it holds a count from 1 to 1024
// (benchmarks set 1 to compare), else one per core.
unsigned ReaderThreadCount();

}  // namespace orvanta::platform
