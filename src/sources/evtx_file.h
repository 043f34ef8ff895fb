#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "sources/block_reader.h"
#include "sources/evtx_binxml.h"

namespace orvanta::sources {

// One event record of an XML event log: its header's identifier and written time (FILETIME),
// and the fields read from its binary XML.
struct EvtxRecord {
  std::uint64_t HeaderId = 0;
  std::uint64_t WrittenTime = 0;
  const EvtxFields* Fields = nullptr;
};

struct EvtxScan {
  std::size_t ReadableChunks = 0;
  std::size_t DamagedChunks = 0;
};

// True when the bytes start with the file header's "ElfFile\0" signature.
bool HasEvtxSignature(std::span<const std::uint8_t> bytes);

// Walks every chunk of an XML event log file (.evtx) in file order and hands each readable
// record to onRecord. The header's chunk count and record numbers go stale when a log is not
// closed cleanly, so chunks are found by their signature in every 64 KiB slot after the 4 KiB
// header, to the end of the file. Zero slots are room the log had not used yet. A chunk whose
// header or record checksum fails, or whose records run past the end of a cut file, is
// skipped and counted as damaged, as is a slot that is neither zero nor a chunk. Within a
// chunk the walk stops at the first record whose signature or sizes do not check out, and a
// record whose binary XML does not read is passed over.
EvtxScan ScanEvtx(const BlockReader& bytes, const std::function<void(const EvtxRecord&)>& onRecord);

}  // namespace orvanta::sources
