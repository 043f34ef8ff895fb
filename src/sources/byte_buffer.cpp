#include "sources/byte_buffer.h"

#include <algorithm>
#include <new>

namespace orvanta::sources {

ByteBuffer ByteBuffer::CopyOf(std::span<const std::uint8_t> bytes) {
  ByteBuffer buffer(bytes.size());
  std::copy(bytes.begin(), bytes.end(), buffer.Data());
  return buffer;
}

ByteBuffer ByteBuffer::Borrowed(std::span<const std::uint8_t> bytes,
                                std::unique_ptr<ByteOwner> owner) {
  ByteBuffer buffer;
  buffer.m_owner = std::move(owner);
  buffer.m_data = bytes.data();
  buffer.m_size = bytes.size();
  return buffer;
}

Opened<ByteBuffer> ReadWhole(std::size_t size, const ChunkReader& read) {
  ByteBuffer bytes;
  try {
    bytes = ByteBuffer(size);
  } catch (const std::bad_alloc&) {
    return Failed<ByteBuffer>("file too large to read");
  }
  std::size_t done = 0;
  while (done < size) {
    std::string error;
    const std::optional<std::size_t> got = read({bytes.Data() + done, size - done}, error);
    if (!got) {
      return Failed<ByteBuffer>(std::move(error));
    }
    if (*got == 0) {
      break;  // the file shrank since it was measured
    }
    done += std::min(*got, size - done);
  }
  bytes.Shrink(done);
  Opened<ByteBuffer> loaded;
  loaded.Value = std::move(bytes);
  return loaded;
}

}  // namespace orvanta::sources
