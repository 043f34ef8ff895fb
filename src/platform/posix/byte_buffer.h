#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace orvanta::platform {

// The bytes of a log file, held once in memory for one reader.
class ByteBuffer {
 public:
  ByteBuffer() = default;
  // Uninitialised bytes, to be filled by a read; throws std::bad_alloc when too large.
  explicit ByteBuffer(std::size_t size)
      : m_data(std::make_unique_for_overwrite<std::uint8_t[]>(size)), m_size(size) {}
  static ByteBuffer CopyOf(std::span<const std::uint8_t> bytes);

  std::span<const std::uint8_t> Span() const { return {m_data.get(), m_size}; }
  std::uint8_t* Data() { return m_data.get(); }
  std::size_t Size() const { return m_size; }
  // Keeps only the first size bytes (a file that shrank while it was read).
  void Shrink(std::size_t size) {
    if (size < m_size) {
      m_size = size;
    }
  }

 private:
  std::unique_ptr<std::uint8_t[]> m_data;
  std::size_t m_size = 0;
};

// A whole file read into memory, or why it could not be (Error is empty on success).
struct FileLoad {
  ByteBuffer Bytes;
  std::string Error;
};

// Reads a regular file whole. A directory, a file that cannot be opened or read, or one too
// large for memory gives the reason instead.
FileLoad LoadFile(const std::string& path);

}  // namespace orvanta::platform
