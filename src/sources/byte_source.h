#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace orvanta::sources {

// Random access to the bytes of a log file without holding them all: the platform reads them
// from the open file at any offset. A source whose bytes already lie in memory (a copy, or a
// mapping that cannot lose pages) says so, and is read without copies.
// A part of a file that holds data; the rest are holes of a sparse file, which read as zeros.
struct DataRange {
  std::uint64_t Begin = 0;
  std::uint64_t End = 0;
};

// Bytes of a file seen in place, without a copy, for as long as this lives.
class MappedBytes {
 public:
  virtual ~MappedBytes() = default;
  virtual std::span<const std::uint8_t> Bytes() const = 0;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The size the file had when it was opened; reads beyond it are never asked for.
  virtual std::uint64_t Size() const = 0;
  // Fills the front of into with the bytes at offset; returns how many, fewer where the file
  // has shrunk since it was opened, 0 on a read error. Several threads may read at once.
  virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) = 0;
  // The parts of the file that may hold data, in order and apart; a source that cannot tell
  // names the whole file.
  virtual std::vector<DataRange> DataRanges() const { return {{0, Size()}}; }
  // All the bytes, when they are in memory; empty otherwise.
  virtual std::span<const std::uint8_t> InMemory() const { return {}; }
  // Whether Map sees parts of the file in place: then they are read that way, saving a copy.
  virtual bool Maps() const { return false; }
  // The bytes [offset, offset + length) seen in place, offset a multiple of a few megabytes;
  // null where they cannot be. Bytes the file lost meanwhile read as zeros. Several threads may
  // map at once.
  virtual std::unique_ptr<MappedBytes> Map(std::uint64_t /*offset*/, std::size_t /*length*/) {
    return nullptr;
  }
};

}  // namespace orvanta::sources
