#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "history/byte_reader.h"

namespace orvanta::testsupport {

// Little-endian writes into a growing byte vector, for building log fixtures.
class ByteWriter {
 public:
  std::vector<std::uint8_t>& Bytes() { return m_bytes; }
  std::size_t Size() const { return m_bytes.size(); }

  void U8(std::uint8_t v) { m_bytes.push_back(v); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  // An integer of width bytes in either byte order.
  void Int(std::uint64_t v, std::size_t width, history::ByteOrder order) {
    for (std::size_t i = 0; i < width; ++i) {
      const std::size_t shift = order == history::ByteOrder::Little ? i : width - 1 - i;
      U8(static_cast<std::uint8_t>(v >> (8 * shift)));
    }
  }
  void Append(const std::vector<std::uint8_t>& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
  }
  // ASCII text as UTF-16LE with its terminating null.
  void Utf16z(std::string_view text) {
    for (char c : text) {
      U16(static_cast<std::uint8_t>(c));
    }
    U16(0);
  }
  // Text in a fixed-size, null-padded field (cut when longer).
  void FixedText(std::string_view text, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      U8(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
    }
  }
  void Zeros(std::size_t count) { m_bytes.insert(m_bytes.end(), count, 0); }
  void AlignTo4() { Zeros((4 - m_bytes.size() % 4) % 4); }
  void PatchU32(std::size_t offset, std::uint32_t v) {
    if (offset > m_bytes.size() || m_bytes.size() - offset < 4) {
      throw std::out_of_range("PatchU32 beyond the bytes written");
    }
    for (int i = 0; i < 4; ++i) {
      m_bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
  }

 private:
  std::vector<std::uint8_t> m_bytes;
};

// Writes the bytes to a file, replacing it; false on failure.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Bytes at an offset of a file.
struct FilePiece {
  std::uint64_t Offset = 0;
  std::vector<std::uint8_t> Bytes;
};

// Writes a sparse file of size bytes, replacing it: the pieces, and holes between them where
// the file system has them; false on failure.
bool WriteSparseFile(const std::string& path, std::uint64_t size,
                     const std::vector<FilePiece>& pieces);

}  // namespace orvanta::testsupport
