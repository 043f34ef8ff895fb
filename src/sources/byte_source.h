#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace orvanta::sources {

// Random access to the bytes of a log file without holding them all: the platform reads them
// from the open file at any offset. A source whose bytes already lie in memory (a copy, or a
// mapping that cannot lose pages) says so, and is read without copies.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The size the file had when it was opened; reads beyond it are never asked for.
  virtual std::uint64_t Size() const = 0;
  // Fills the front of into with the bytes at offset; returns how many, fewer where the file
  // has shrunk since it was opened, 0 on a read error.
  virtual std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) = 0;
  // All the bytes, when they are in memory; empty otherwise.
  virtual std::span<const std::uint8_t> InMemory() const { return {}; }
};

}  // namespace orvanta::sources
