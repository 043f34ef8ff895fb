#include "sources/block_reader.h"

#include <algorithm>
#include <iterator>

#include "history/byte_reader.h"

namespace orvanta::sources {

std::size_t MemorySource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) {
  const std::span<const std::uint8_t> bytes = m_bytes.Span();
  if (offset >= bytes.size()) {
    return 0;
  }
  const std::size_t n = std::min<std::size_t>(into.size(), bytes.size() - offset);
  std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), n, into.begin());
  return n;
}

BlockReader::BlockReader(std::unique_ptr<ByteSource> source)
    : m_source(std::move(source)),
      m_size(m_source->Size()),
      m_blockSize(m_source->Maps() ? kMappedBlockSize : kBlockSize),
      m_memory(m_source->InMemory()),
      m_data(m_source->DataRanges()) {}

std::uint64_t BlockReader::DataFrom(std::uint64_t offset) const {
  // The first range that ends after offset.
  const auto range =
      std::upper_bound(m_data.begin(), m_data.end(), offset,
                       [](std::uint64_t at, const DataRange& r) { return at < r.End; });
  if (range == m_data.end()) {
    return std::max(offset, m_size);
  }
  return std::max(offset, range->Begin);
}

std::uint64_t BlockReader::DataEndBefore(std::uint64_t offset) const {
  // The last range that begins before offset.
  const auto after =
      std::lower_bound(m_data.begin(), m_data.end(), offset,
                       [](const DataRange& r, std::uint64_t at) { return r.Begin < at; });
  if (after == m_data.begin()) {
    return 0;
  }
  return std::min(offset, std::prev(after)->End);
}

BlockReader::BlockReader(ByteBuffer bytes)
    : BlockReader(std::make_unique<MemorySource>(std::move(bytes))) {}

const BlockReader::Block& BlockReader::BlockAt(std::uint64_t index) const {
  for (const Block& block : m_blocks) {
    if (block.Length > 0 && block.Index == index) {
      return block;
    }
  }
  Block& block = m_blocks[m_older];
  m_older = 1 - m_older;
  block.View.reset();
  block.Index = index;
  const std::uint64_t start = index * m_blockSize;
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(m_blockSize, m_size - start));
  const bool hole = DataFrom(start) >= start + wanted;
  if (!hole && m_source->Maps()) {
    block.View = m_source->Map(start, wanted);
    if (block.View && block.View->Bytes().size() == wanted) {
      block.Data = block.View->Bytes().data();
      block.Length = wanted;
      return block;
    }
    block.View.reset();
  }
  block.Bytes.resize(m_blockSize);
  block.Data = block.Bytes.data();
  if (hole) {
    std::fill_n(block.Bytes.begin(), wanted, std::uint8_t{0});  // a hole, not read
    block.Length = wanted;
    return block;
  }
  block.Length = m_source->ReadAt(start, std::span(block.Bytes).first(wanted));
  return block;
}

std::span<const std::uint8_t> BlockReader::Bytes(std::uint64_t offset, std::size_t length) const {
  // The block read last serves most ranges of a walk: one wholly inside its bytes needs no
  // other check.
  const Block& newest = m_blocks[1 - m_older];
  if (length > 0 && newest.Length > 0 && offset >= newest.Index * m_blockSize) {
    const std::uint64_t within = offset - newest.Index * m_blockSize;
    if (within < newest.Length && length <= newest.Length - within) {
      return {newest.Data + within, length};
    }
  }
  if (offset > m_size || length > m_size - offset) {
    return {};
  }
  if (!m_memory.empty()) {
    // A mapping or copy of the size measured at the open holds every byte checked above.
    return history::ByteReader(m_memory)
        .Bytes(offset, length)
        .value_or(std::span<const std::uint8_t>());
  }
  const std::uint64_t first = offset / m_blockSize;
  const std::uint64_t last = length == 0 ? first : (offset + length - 1) / m_blockSize;
  const std::size_t within = static_cast<std::size_t>(offset - first * m_blockSize);
  if (first == last) {
    const Block& block = BlockAt(first);
    if (within > block.Length || length > block.Length - within) {
      return {};  // the file shrank below the range
    }
    return {block.Data + within, length};
  }
  m_straddling.resize(length);
  if (m_source->ReadAt(offset, m_straddling) != length) {
    return {};
  }
  return m_straddling;
}

std::span<const std::uint8_t> BlockReader::Head(std::size_t length) const {
  return Bytes(0, static_cast<std::size_t>(std::min<std::uint64_t>(length, m_size)));
}

}  // namespace orvanta::sources
