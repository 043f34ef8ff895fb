#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "sources/byte_buffer.h"
#include "sources/byte_source.h"

namespace orvanta::sources {

// Bytes held in memory, served as a source.
class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(ByteBuffer bytes) : m_bytes(std::move(bytes)) {}
  std::uint64_t Size() const override { return m_bytes.Size(); }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override;
  std::span<const std::uint8_t> InMemory() const override { return m_bytes.Span(); }

 private:
  ByteBuffer m_bytes;
};

// The readers' view of a log file: byte ranges by offset, read in aligned blocks of which a few
// are kept, so that memory stays the same however large the file is and a walk through the file
// in either direction reads each block once.
//
// A range is served whole or not at all: a range beyond the size the file was opened with, or
// one the file no longer holds because it shrank, is empty, as in a truncated file. (A source
// that maps the file serves its lost bytes as zeros instead.)
class BlockReader {
 public:
  static constexpr std::size_t kBlockSize = std::size_t{256} << 10;
  // Blocks of a source that maps the file are views, larger since they cost no copy.
  static constexpr std::size_t kMappedBlockSize = std::size_t{2} << 20;

  BlockReader() : BlockReader(ByteBuffer()) {}
  explicit BlockReader(std::unique_ptr<ByteSource> source);
  explicit BlockReader(ByteBuffer bytes);
  BlockReader(BlockReader&&) noexcept = default;
  BlockReader& operator=(BlockReader&&) noexcept = default;

  // A reader of the same file with blocks of its own, for another thread: the source is read
  // at offsets only, which several threads may do at once.
  BlockReader Another() const { return BlockReader(m_source, m_size, m_memory, m_data); }

  std::uint64_t Size() const { return m_size; }
  // The bytes [offset, offset + length), valid until the next call; empty when the file does
  // not hold them all.
  std::span<const std::uint8_t> Bytes(std::uint64_t offset, std::size_t length) const;
  // The first bytes of the file, at most length of them.
  std::span<const std::uint8_t> Head(std::size_t length) const;

  // Holes of a sparse file read as zeros without being read, and walks jump over them: the
  // first offset from offset on that may hold data (Size() when none does), and the end of the
  // data before offset (offset itself when the byte before it may hold data, 0 when none does).
  std::uint64_t DataFrom(std::uint64_t offset) const;
  std::uint64_t DataEndBefore(std::uint64_t offset) const;

 private:
  struct Block {
    std::uint64_t Index = 0;
    std::size_t Length = 0;              // bytes read into it; 0 when it holds nothing yet
    const std::uint8_t* Data = nullptr;  // into Bytes, or into View
    std::vector<std::uint8_t> Bytes;
    std::unique_ptr<MappedBytes> View;
  };

  BlockReader(std::shared_ptr<ByteSource> source, std::uint64_t size,
              std::span<const std::uint8_t> memory, std::vector<DataRange> data)
      : m_source(std::move(source)),
        m_size(size),
        m_blockSize(m_source->Maps() ? kMappedBlockSize : kBlockSize),
        m_memory(memory),
        m_data(std::move(data)) {}

  const Block& BlockAt(std::uint64_t index) const;

  std::shared_ptr<ByteSource> m_source;
  std::uint64_t m_size = 0;
  std::size_t m_blockSize = kBlockSize;
  std::span<const std::uint8_t> m_memory;
  std::vector<DataRange> m_data;  // where the file may hold data, in order
  // The two blocks read last: a walk keeps the one it is in and the one it steps into.
  mutable std::array<Block, 2> m_blocks;
  mutable std::size_t m_older = 0;                 // the block to refill next
  mutable std::vector<std::uint8_t> m_straddling;  // a range across a block boundary
};

}  // namespace orvanta::sources
