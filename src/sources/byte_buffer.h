#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "sources/byte_source.h"
#include "sources/opened.h"

namespace orvanta::sources {

// Whatever keeps borrowed bytes alive, such as the platform's mapping of a file; it is
// destroyed with the buffer that holds it.
class ByteOwner {
 public:
  virtual ~ByteOwner() = default;
};

// The bytes of a log file, held once for one reader: a read-only mapping of the file, or a
// copy in memory.
class ByteBuffer {
 public:
  ByteBuffer() = default;
  // Uninitialised bytes, to be filled by a read; throws std::bad_alloc when too large.
  explicit ByteBuffer(std::size_t size)
      : m_heap(std::make_unique_for_overwrite<std::uint8_t[]>(size)),
        m_data(m_heap.get()),
        m_size(size) {}
  ByteBuffer(ByteBuffer&& other) noexcept { *this = std::move(other); }
  ByteBuffer& operator=(ByteBuffer&& other) noexcept {
    m_heap = std::move(other.m_heap);
    m_owner = std::move(other.m_owner);
    m_data = std::exchange(other.m_data, nullptr);
    m_size = std::exchange(other.m_size, 0);
    return *this;
  }
  static ByteBuffer CopyOf(std::span<const std::uint8_t> bytes);
  // Bytes that owner keeps readable for as long as the buffer lives.
  static ByteBuffer Borrowed(std::span<const std::uint8_t> bytes, std::unique_ptr<ByteOwner> owner);

  std::span<const std::uint8_t> Span() const { return {m_data, m_size}; }
  std::uint8_t* Data() { return m_heap.get(); }  // writable only when not mapped
  std::size_t Size() const { return m_size; }
  // Keeps only the first size bytes (a file that shrank while it was read).
  void Shrink(std::size_t size) {
    if (size < m_size) {
      m_size = size;
    }
  }

 private:
  std::unique_ptr<std::uint8_t[]> m_heap;
  std::unique_ptr<ByteOwner> m_owner;
  const std::uint8_t* m_data = nullptr;
  std::size_t m_size = 0;
};

// Reads a file of a measured size into memory in chunks. read fills the front of the span it is
// given and returns how many bytes it put there, 0 at the end of the file, or nothing after
// setting the error's text. A file that shrank since it was measured keeps what was read.
using ChunkReader =
    std::function<std::optional<std::size_t>(std::span<std::uint8_t> into, std::string& error)>;
Opened<ByteBuffer> ReadWhole(std::size_t size, const ChunkReader& read);

}  // namespace orvanta::sources
