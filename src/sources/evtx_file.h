#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

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

// A chunk whose checksums hold: where it lies, the lowest and highest identifiers of its
// records' headers, and the chunk offset just past its last record.
struct EvtxChunk {
  std::uint64_t Offset = 0;  // file offset of its slot
  std::uint64_t FirstId = 0;
  std::uint64_t LastId = 0;
  std::uint32_t FreeSpace = 0;
};

struct EvtxScan {
  std::vector<EvtxChunk> Chunks;  // the readable chunks, in file order
  std::size_t DamagedChunks = 0;
};

// True when the bytes start with the file header's "ElfFile\0" signature.
bool HasEvtxSignature(std::span<const std::uint8_t> bytes);

// Finds the chunks of an XML event log file (.evtx) without reading their binary XML. The
// header's chunk count and record numbers go stale when a log is not closed cleanly, so chunks
// are found by their signature in every 64 KiB slot after the 4 KiB header, to the end of the
// file. Zero slots are room the log had not used yet. A chunk whose header or record checksum
// fails, or whose records run past the end of a cut file, is counted as damaged, as is a slot
// that is neither zero nor a chunk. Pieces of the file are checked on up to `threads` threads.
EvtxScan ScanEvtx(const BlockReader& bytes, unsigned threads = 1);

// Hands each readable record of a chunk found by the scan to onRecord, in chunk order. The walk
// stops at the first record whose signature or sizes do not check out, and a record whose
// binary XML does not read is passed over. False when the chunk no longer checks out (the file
// changed since the scan).
bool ReadEvtxChunk(const BlockReader& bytes, const EvtxChunk& chunk, EvtxBinXml& binXml,
                   const std::function<void(const EvtxRecord&)>& onRecord);

// The chunks in the order their records are served, newest first: by their highest
// identifier, a wrapped log having reused its oldest slots. A chunk found twice (the log copied
// a chunk into another slot, whole or as it was part-filled) is kept once: one whose records
// are, byte for byte, the first records of another chunk is dropped.
void OrderEvtxChunks(const BlockReader& bytes, std::vector<EvtxChunk>& chunks);

}  // namespace orvanta::sources
