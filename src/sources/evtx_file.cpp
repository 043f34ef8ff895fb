#include "sources/evtx_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "history/byte_reader.h"
#include "sources/crc32.h"
#include "sources/side_by_side.h"

namespace orvanta::sources {
namespace {

constexpr std::string_view kFileSignature{"ElfFile\0", 8};
constexpr std::string_view kChunkSignature{"ElfChnk\0", 8};
constexpr std::size_t kFileHeaderSize = 4096;
constexpr std::size_t kChunkSize = 65536;
constexpr std::size_t kChunkHeaderSize = 512;
constexpr std::uint32_t kRecordSignature = 0x00002A2A;
constexpr std::size_t kRecordHeaderSize = 24;  // signature, size, identifier, written time
constexpr std::size_t kMinRecordSize = 28;     // header and the closing copy of the size

struct ChunkOffsets {
  static constexpr std::size_t FreeSpace = 0x30;
  static constexpr std::size_t RecordsCrc = 0x34;
  static constexpr std::size_t HeaderCrcGap = 0x78;  // 8 bytes left out of the header checksum
  static constexpr std::size_t HeaderCrc = 0x7C;
};

bool StartsWith(const history::ByteReader& bytes, std::string_view signature) {
  const auto head = bytes.Bytes(0, signature.size());
  return head &&
         std::equal(head->begin(), head->end(), signature.begin(),
                    [](std::uint8_t b, char c) { return b == static_cast<std::uint8_t>(c); });
}

bool AllZero(std::span<const std::uint8_t> bytes) {
  return std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; });
}

bool HeaderChecks(const history::ByteReader& chunk) {
  const auto first = chunk.Bytes(0, ChunkOffsets::HeaderCrcGap);
  const auto rest = chunk.Bytes(ChunkOffsets::HeaderCrcGap + 8, kChunkHeaderSize - 0x80);
  const auto stored = chunk.U32(ChunkOffsets::HeaderCrc);
  return first && rest && stored && Crc32(*rest, Crc32(*first)) == *stored;
}

// The chunk offset past its last record, when both checksums hold.
std::optional<std::size_t> RecordsLimit(const history::ByteReader& chunk) {
  if (!StartsWith(chunk, kChunkSignature) || !HeaderChecks(chunk)) {
    return std::nullopt;
  }
  const auto freeSpace = chunk.U32(ChunkOffsets::FreeSpace);
  const auto storedCrc = chunk.U32(ChunkOffsets::RecordsCrc);
  if (!freeSpace || !storedCrc || *freeSpace < kChunkHeaderSize || *freeSpace > chunk.Size()) {
    return std::nullopt;
  }
  if (Crc32(*chunk.Bytes(kChunkHeaderSize, *freeSpace - kChunkHeaderSize)) != *storedCrc) {
    return std::nullopt;
  }
  return *freeSpace;
}

// Calls onRecord(offset, size) for each record from the chunk's first on, up to the first one
// whose signature or sizes do not check out.
template <typename OnRecord>
void WalkRecords(const history::ByteReader& chunk, std::size_t limit, const OnRecord& onRecord) {
  std::size_t p = kChunkHeaderSize;
  while (p + kRecordHeaderSize <= limit) {
    const auto size = chunk.U32(p + 4);
    if (chunk.U32(p) != kRecordSignature || !size || *size < kMinRecordSize || *size > limit - p ||
        chunk.U32(p + *size - 4) != *size) {
      break;
    }
    onRecord(p, *size);
    p += *size;
  }
}

std::uint64_t U64(const history::ByteReader& bytes, std::size_t at) {
  return bytes.U32(at).value_or(0) | std::uint64_t{bytes.U32(at + 4).value_or(0)} << 32;
}

// The slot's bytes: a whole chunk, or what a cut file holds of its last one; empty when the
// file no longer holds them.
std::span<const std::uint8_t> Slot(const BlockReader& file, std::uint64_t at) {
  if (at >= file.Size()) {
    return {};
  }
  const auto length =
      static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, file.Size() - at));
  const std::span<const std::uint8_t> slot = file.Bytes(at, length);
  return slot.size() == length ? slot : std::span<const std::uint8_t>();
}

}  // namespace

bool HasEvtxSignature(std::span<const std::uint8_t> bytes) {
  return StartsWith(history::ByteReader(bytes), kFileSignature);
}

namespace {

// Slots scanned as one piece of work: a few megabytes.
constexpr std::uint64_t kScanSlots = 64;

// Scans the slots from the one at `from` up to `to` into scan; false when the file ended
// before them (it shrank while it was read).
bool ScanSlots(const BlockReader& file, std::uint64_t from, std::uint64_t to, EvtxScan& scan) {
  for (std::uint64_t at = from; at < to; at += kChunkSize) {
    // Slots in a hole of a sparse file are zeros, room the log has not used: the scan goes on
    // at the slot where data comes next.
    if (const std::uint64_t data = file.DataFrom(at); data >= at + kChunkSize) {
      if (data >= file.Size()) {
        return true;
      }
      at += (data - at) / kChunkSize * kChunkSize;
      if (at >= to) {
        return true;
      }
    }
    // A cut file ends in part of a chunk: it is read as far as its records are whole. A file
    // that shrank while it was read ends where it now ends.
    const std::span<const std::uint8_t> slot = Slot(file, at);
    if (slot.empty()) {
      return false;
    }
    const history::ByteReader chunk(slot);
    if (!StartsWith(chunk, kChunkSignature)) {
      if (!AllZero(chunk.Span())) {
        ++scan.DamagedChunks;
      }
      continue;
    }
    const std::optional<std::size_t> limit = RecordsLimit(chunk);
    if (!limit) {
      ++scan.DamagedChunks;
      continue;
    }
    EvtxChunk found{at, UINT64_MAX, 0, static_cast<std::uint32_t>(*limit)};
    WalkRecords(chunk, *limit, [&](std::size_t p, std::uint32_t) {
      const std::uint64_t id = U64(chunk, p + 8);
      found.FirstId = std::min(found.FirstId, id);
      found.LastId = std::max(found.LastId, id);
    });
    if (found.FirstId > found.LastId) {
      found.FirstId = 0;  // no record
    }
    scan.Chunks.push_back(found);
  }
  return true;
}

}  // namespace

EvtxScan ScanEvtx(const BlockReader& file, unsigned threads) {
  EvtxScan scan;
  if (file.Size() <= kFileHeaderSize) {
    return scan;
  }
  const std::uint64_t slots = (file.Size() - kFileHeaderSize + kChunkSize - 1) / kChunkSize;
  const std::uint64_t pieces = (slots + kScanSlots - 1) / kScanSlots;
  const auto slotAt = [&](std::uint64_t slot) {
    return kFileHeaderSize + std::min(slot, slots) * kChunkSize;
  };
  if (threads <= 1 || pieces <= 1) {
    ScanSlots(file, slotAt(0), file.Size(), scan);
    return scan;
  }
  // Pieces of the file scanned side by side, each thread through blocks of its own, and joined
  // in file order.
  std::vector<BlockReader> readers;
  for (unsigned t = 0; t < std::min<std::uint64_t>(threads, pieces); ++t) {
    readers.push_back(file.Another());
  }
  struct Piece {
    EvtxScan Scan;
    bool Whole = true;
  };
  std::vector<Piece> pieceScans(static_cast<std::size_t>(pieces));
  bool ended = false;
  RunSideBySide(
      pieceScans.size(), static_cast<unsigned>(readers.size()),
      [&](std::size_t i, unsigned worker) {
        Piece& piece = pieceScans[i];
        piece.Whole = ScanSlots(readers[worker], slotAt(i * kScanSlots),
                                slotAt((i + 1) * kScanSlots), piece.Scan);
      },
      [&](std::size_t i) {
        Piece piece = std::move(pieceScans[i]);
        if (!ended) {
          scan.Chunks.insert(scan.Chunks.end(), piece.Scan.Chunks.begin(), piece.Scan.Chunks.end());
          scan.DamagedChunks += piece.Scan.DamagedChunks;
          ended = !piece.Whole;
        }
      });
  return scan;
}

bool ReadEvtxChunk(const BlockReader& file, const EvtxChunk& found, EvtxBinXml& binXml,
                   const std::function<void(const EvtxRecord&)>& onRecord) {
  const history::ByteReader chunk(Slot(file, found.Offset));
  const std::optional<std::size_t> limit = RecordsLimit(chunk);
  if (!limit) {
    return false;
  }
  binXml.StartChunk(chunk);
  EvtxFields fields;
  WalkRecords(chunk, *limit, [&](std::size_t p, std::uint32_t size) {
    fields.Clear();
    if (binXml.ReadStream(p + kRecordHeaderSize, p + size - 4, fields)) {
      onRecord({U64(chunk, p + 8), U64(chunk, p + 16), &fields});
    }
  });
  return true;
}

void OrderEvtxChunks(const BlockReader& file, std::vector<EvtxChunk>& chunks) {
  // Copies share their first record and differ at most in how far they were filled: each chunk
  // is compared with the next one of the same first record that holds at least as much.
  std::sort(chunks.begin(), chunks.end(), [](const EvtxChunk& a, const EvtxChunk& b) {
    return a.FirstId != b.FirstId       ? a.FirstId < b.FirstId
           : a.FreeSpace != b.FreeSpace ? a.FreeSpace < b.FreeSpace
                                        : a.Offset < b.Offset;
  });
  std::vector<std::uint8_t> records;
  std::vector<bool> copied(chunks.size(), false);
  for (std::size_t i = 0; i + 1 < chunks.size(); ++i) {
    const EvtxChunk& shorter = chunks[i];
    const EvtxChunk& longer = chunks[i + 1];
    if (shorter.FirstId != longer.FirstId) {
      continue;
    }
    const std::size_t length = shorter.FreeSpace - kChunkHeaderSize;
    const auto ours =
        history::ByteReader(Slot(file, shorter.Offset)).Bytes(kChunkHeaderSize, length);
    if (!ours) {
      continue;
    }
    records.assign(ours->begin(), ours->end());  // the next read may reuse the reader's block
    const auto theirs =
        history::ByteReader(Slot(file, longer.Offset)).Bytes(kChunkHeaderSize, length);
    copied[i] = theirs && std::equal(records.begin(), records.end(), theirs->begin());
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < chunks.size(); ++i) {
    if (!copied[i]) {
      chunks[kept++] = chunks[i];
    }
  }
  chunks.resize(kept);
  std::sort(chunks.begin(), chunks.end(), [](const EvtxChunk& a, const EvtxChunk& b) {
    return a.LastId != b.LastId ? a.LastId > b.LastId : a.Offset < b.Offset;
  });
}

}  // namespace orvanta::sources
