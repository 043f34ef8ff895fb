#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>

namespace orvanta::platform {

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
    m_mapping = std::move(other.m_mapping);
    m_data = std::exchange(other.m_data, nullptr);
    m_size = std::exchange(other.m_size, 0);
    return *this;
  }
  static ByteBuffer CopyOf(std::span<const std::uint8_t> bytes);
  // The first size bytes of an open file, mapped read-only; empty when it cannot be mapped.
  static ByteBuffer MapFile(int fd, std::size_t size);

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
  struct Unmap {
    std::size_t Length;
    void operator()(std::uint8_t* address) const;
  };

  std::unique_ptr<std::uint8_t[]> m_heap;
  std::unique_ptr<std::uint8_t, Unmap> m_mapping{nullptr, Unmap{0}};
  const std::uint8_t* m_data = nullptr;
  std::size_t m_size = 0;
};

// A whole file read into memory, or why it could not be (Error is empty on success).
struct FileLoad {
  ByteBuffer Bytes;
  std::string Error;
};

// Reads a regular file whole: maps it (no copy; the log files are read at their full size in
// one pass) or, where it cannot be mapped, reads it into memory. A directory, a file that
// cannot be opened or read, or one too large for memory gives the reason instead.
FileLoad LoadFile(const std::string& path);

}  // namespace orvanta::platform
