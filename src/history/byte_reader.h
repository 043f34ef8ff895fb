#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orvanta::history {

enum class ByteOrder { Little, Big };

// Reads from untrusted bytes, little-endian unless an order is given. Every read is checked
// against the end of the span, offsets included, so no value read from the bytes themselves
// can lead outside them.
class ByteReader {
 public:
  ByteReader() = default;
  explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

  std::size_t Size() const { return m_bytes.size(); }
  std::span<const std::uint8_t> Span() const { return m_bytes; }

  // True when [offset, offset + length) lies inside the bytes.
  bool Contains(std::size_t offset, std::size_t length) const {
    return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
  }

  std::optional<std::uint8_t> U8(std::size_t offset) const {
    if (!Contains(offset, 1)) {
      return std::nullopt;
    }
    return m_bytes[offset];
  }
  std::optional<std::uint16_t> U16(std::size_t offset) const {
    if (!Contains(offset, 2)) {
      return std::nullopt;
    }
    return static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
  }
  std::optional<std::uint32_t> U32(std::size_t offset) const {
    if (!Contains(offset, 4)) {
      return std::nullopt;
    }
    return static_cast<std::uint32_t>(m_bytes[offset]) |
           static_cast<std::uint32_t>(m_bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(m_bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(m_bytes[offset + 3]) << 24;
  }
  std::optional<std::int16_t> I16(std::size_t offset) const {
    auto v = U16(offset);
    return v ? std::optional<std::int16_t>(static_cast<std::int16_t>(*v)) : std::nullopt;
  }
  std::optional<std::int32_t> I32(std::size_t offset) const {
    auto v = U32(offset);
    return v ? std::optional<std::int32_t>(static_cast<std::int32_t>(*v)) : std::nullopt;
  }
  // Unsigned integers of 2, 4 or 8 bytes in either byte order.
  std::optional<std::uint64_t> Unsigned(std::size_t offset, std::size_t width,
                                        ByteOrder order) const {
    if (width > 8 || !Contains(offset, width)) {
      return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
      const std::size_t at = order == ByteOrder::Little ? offset + width - 1 - i : offset + i;
      value = value << 8 | m_bytes[at];
    }
    return value;
  }
  // Signed integers of 2, 4 or 8 bytes in either byte order.
  std::optional<std::int64_t> Signed(std::size_t offset, std::size_t width, ByteOrder order) const {
    auto v = Unsigned(offset, width, order);
    if (!v || width == 0) {
      return std::nullopt;
    }
    const std::size_t unused = 64 - 8 * width;
    // Shifted up and back down so the sign bit of the field extends.
    return static_cast<std::int64_t>(*v << unused) >> unused;
  }
  // The bytes [offset, offset + length), or nothing when they do not lie wholly inside.
  std::optional<std::span<const std::uint8_t>> Bytes(std::size_t offset, std::size_t length) const {
    if (!Contains(offset, length)) {
      return std::nullopt;
    }
    return m_bytes.subspan(offset, length);
  }

 private:
  std::span<const std::uint8_t> m_bytes;
};

}  // namespace orvanta::history
