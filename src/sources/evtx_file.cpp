#include "sources/evtx_file.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "history/byte_reader.h"
#include "sources/crc32.h"

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

// Reads the chunk's records; false when the chunk is damaged.
bool ReadChunk(const history::ByteReader& chunk, EvtxBinXml& binXml, EvtxFields& fields,
               const std::function<void(const EvtxRecord&)>& onRecord) {
  if (!HeaderChecks(chunk)) {
    return false;
  }
  const auto freeSpace = chunk.U32(ChunkOffsets::FreeSpace);
  const auto storedCrc = chunk.U32(ChunkOffsets::RecordsCrc);
  if (!freeSpace || !storedCrc || *freeSpace < kChunkHeaderSize || *freeSpace > chunk.Size()) {
    return false;
  }
  const std::size_t limit = *freeSpace;
  if (Crc32(*chunk.Bytes(kChunkHeaderSize, limit - kChunkHeaderSize)) != *storedCrc) {
    return false;
  }
  binXml.StartChunk(chunk);
  std::size_t p = kChunkHeaderSize;
  while (p + kRecordHeaderSize <= limit) {
    const auto size = chunk.U32(p + 4);
    if (chunk.U32(p) != kRecordSignature || !size || *size < kMinRecordSize || *size > limit - p ||
        chunk.U32(p + *size - 4) != *size) {
      break;
    }
    fields.Clear();
    if (binXml.ReadStream(p + kRecordHeaderSize, p + *size - 4, fields)) {
      onRecord({*chunk.U32(p + 8) | std::uint64_t{*chunk.U32(p + 12)} << 32,
                *chunk.U32(p + 16) | std::uint64_t{*chunk.U32(p + 20)} << 32, &fields});
    }
    p += *size;
  }
  return true;
}

}  // namespace

bool HasEvtxSignature(std::span<const std::uint8_t> bytes) {
  return StartsWith(history::ByteReader(bytes), kFileSignature);
}

EvtxScan ScanEvtx(const BlockReader& file, const std::function<void(const EvtxRecord&)>& onRecord) {
  EvtxScan scan;
  EvtxBinXml binXml;
  EvtxFields fields;
  for (std::uint64_t at = kFileHeaderSize; at < file.Size(); at += kChunkSize) {
    // A cut file ends in part of a chunk: it is read as far as its records are whole. A file
    // that shrank while it was read ends where it now ends.
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, file.Size() - at));
    const std::span<const std::uint8_t> slot = file.Bytes(at, length);
    if (slot.size() != length) {
      break;
    }
    const history::ByteReader chunk(slot);
    if (!StartsWith(chunk, kChunkSignature)) {
      if (!AllZero(chunk.Span())) {
        ++scan.DamagedChunks;
      }
      continue;
    }
    ++(ReadChunk(chunk, binXml, fields, onRecord) ? scan.ReadableChunks : scan.DamagedChunks);
  }
  return scan;
}

}  // namespace orvanta::sources
