// XML event log files: any bytes through EvtxLog (on one thread and on two, alike) and the whole
// refresh, once as they are and once with every chunk's checksums made to match, so that
// mutations reach the binary XML.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "pipeline_check.h"
#include "sources/evtx_log.h"
#include "support/evtx_writer.h"

namespace {

void Check(std::span<const std::uint8_t> bytes) {
  using orvanta::sources::BlockReader;
  using orvanta::sources::ByteBuffer;
  orvanta::sources::EvtxLog log =
      orvanta::sources::EvtxLog::Open(BlockReader(ByteBuffer::CopyOf(bytes)));
  if (!log.Readable()) {
    return;
  }
  // Each reading delivers the whole history again, the same.
  std::vector<orvanta::history::HistoryEvent> first;
  log.Read([&first](const orvanta::history::HistoryEvent& event) { first.push_back(event); });
  std::size_t again = 0;
  log.Read([&](const orvanta::history::HistoryEvent& event) {
    if (again >= first.size() || !(first[again++] == event)) {
      std::abort();
    }
  });
  if (again != first.size()) {
    std::abort();
  }
  // Read on two threads, the file gives the same again.
  orvanta::sources::EvtxLog split =
      orvanta::sources::EvtxLog::Open(BlockReader(ByteBuffer::CopyOf(bytes)), 2);
  std::size_t splitCount = 0;
  split.Read([&](const orvanta::history::HistoryEvent& event) {
    if (splitCount >= first.size() || !(first[splitCount++] == event)) {
      std::abort();
    }
  });
  if (splitCount != first.size() || split.DamagedChunks() != log.DamagedChunks() ||
      split.Computer() != log.Computer()) {
    std::abort();
  }
  orvanta::fuzz::RefreshAndCheck(log);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvanta::testsupport;
  std::span<const std::uint8_t> bytes(data, size);
  Check(bytes);
  std::vector<std::uint8_t> summed(bytes.begin(), bytes.end());
  for (std::size_t at = kEvtxFileHeaderSize; at + kEvtxChunkSize <= summed.size();
       at += kEvtxChunkSize) {
    std::vector<std::uint8_t> chunk(
        summed.begin() + static_cast<std::ptrdiff_t>(at),
        summed.begin() + static_cast<std::ptrdiff_t>(at + kEvtxChunkSize));
    const std::uint32_t freeSpace = chunk[0x30] | chunk[0x31] << 8 | chunk[0x32] << 16 |
                                    static_cast<std::uint32_t>(chunk[0x33]) << 24;
    if (freeSpace >= 512 && freeSpace <= kEvtxChunkSize) {
      SumEvtxChunk(chunk);
      std::copy(chunk.begin(), chunk.end(), summed.begin() + static_cast<std::ptrdiff_t>(at));
    }
  }
  Check(summed);
  return 0;
}
