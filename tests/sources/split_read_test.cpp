// One log read in parts on several threads delivers what it delivers on one: the same events in
// the same order, the same damage counted, the same machine named; through copied blocks or
// mapped ones.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "sources/block_reader.h"
#include "sources/evtx_log.h"
#include "sources/wtmp_log.h"
#include "support/event_mix.h"
#include "support/evtx_writer.h"
#include "support/record_reading.h"
#include "support/wtmp_writer.h"

namespace orvanta::sources {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Bytes in memory served as a source that maps them: the readers see views, not copies.
class MappingSource final : public ByteSource {
 public:
  explicit MappingSource(const Bytes& bytes) : m_bytes(bytes) {}
  std::uint64_t Size() const override { return m_bytes.size(); }
  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override {
    return m_memory.ReadAt(offset, into);
  }
  bool Maps() const override { return true; }
  std::unique_ptr<MappedBytes> Map(std::uint64_t offset, std::size_t length) override {
    struct View final : MappedBytes {
      std::span<const std::uint8_t> Seen;
      std::span<const std::uint8_t> Bytes() const override { return Seen; }
    };
    auto view = std::make_unique<View>();
    view->Seen = std::span<const std::uint8_t>(m_bytes).subspan(offset, length);
    return view;
  }

 private:
  const Bytes& m_bytes;
  MemorySource m_memory{ByteBuffer::CopyOf(m_bytes)};
};

enum class Blocks { Copied, Mapped };

BlockReader ReaderOf(const Bytes& bytes, Blocks blocks) {
  if (blocks == Blocks::Mapped) {
    return BlockReader(std::make_unique<MappingSource>(bytes));
  }
  return BlockReader(ByteBuffer::CopyOf(bytes));
}

struct SplitCase {
  unsigned Threads;
  Blocks Through;
};
constexpr SplitCase kSplits[] = {
    {1, Blocks::Mapped}, {2, Blocks::Copied}, {2, Blocks::Mapped},
    {3, Blocks::Copied}, {8, Blocks::Mapped},
};

TEST(SplitRead, WtmpEntriesComeAsOnOneThread) {
  // Several batches of entries, the last one short.
  const Bytes file = testsupport::WriteWtmpFile(testsupport::MakeWtmpMix(70'001, 3));
  WtmpLog one(BlockReader(ByteBuffer::CopyOf(file)), kWtmpLayouts[0]);
  const std::vector<history::HistoryEvent> expected = testsupport::ReadEvents(one);
  ASSERT_GT(expected.size(), 10'000u);
  for (const SplitCase& c : kSplits) {
    WtmpLog split(ReaderOf(file, c.Through), kWtmpLayouts[0], c.Threads);
    EXPECT_EQ(testsupport::ReadEvents(split), expected) << c.Threads << " threads";
    // A second reading gives the same again.
    EXPECT_EQ(testsupport::ReadEvents(split).size(), expected.size()) << c.Threads << " threads";
  }
}

// Chunks of a boot, a logon and a shutdown each, on machines named by chunk, with damage among
// them: a slot of garbage, a chunk whose checksum fails, unused room.
Bytes SplitEvtxFile() {
  std::vector<Bytes> chunks;
  for (std::uint64_t c = 0; c < 150; ++c) {
    testsupport::EvtxChunkWriter w;
    const auto t = static_cast<std::int64_t>(1'600'000'000 + c * 1000);
    const std::string machine = "HOST-" + std::to_string(c / 40);
    w.Add({"EventLog", 0x80001775, t, {}, {}, {}, {}, machine}, c * 3 + 1);
    w.Add({"Microsoft-Windows-Winlogon",
           7001,
           t + 1,
           {1, 1, 0, 0, 0, 0, 0, 5, 18, 0, 0, 0},
           {},
           {},
           {},
           machine},
          c * 3 + 2);
    w.Add({"EventLog", 0x80001776, t + 2, {}, {}, {}, {}, machine}, c * 3 + 3);
    chunks.push_back(w.Finish());
  }
  chunks[70] = Bytes(testsupport::kEvtxChunkSize, 0x5A);
  chunks[100][600] ^= 1;
  chunks[120] = Bytes(testsupport::kEvtxChunkSize, 0);
  // The newest chunk first in the file, as a log that wrapped writes it.
  std::swap(chunks.front(), chunks.back());
  return testsupport::WriteEvtxFile(chunks, chunks.size());
}

TEST(SplitRead, EvtxChunksComeAsOnOneThread) {
  const Bytes file = SplitEvtxFile();
  EvtxLog one = EvtxLog::Open(BlockReader(ByteBuffer::CopyOf(file)));
  const std::vector<history::HistoryEvent> expected = testsupport::ReadEvents(one);
  ASSERT_EQ(one.DamagedChunks(), 2u);
  ASSERT_EQ(one.Computer(), "HOST-3");
  ASSERT_EQ(expected.size(), 3u * 147);
  for (const SplitCase& c : kSplits) {
    EvtxLog split = EvtxLog::Open(ReaderOf(file, c.Through), c.Threads);
    EXPECT_EQ(split.DamagedChunks(), one.DamagedChunks()) << c.Threads << " threads";
    EXPECT_EQ(testsupport::ReadEvents(split), expected) << c.Threads << " threads";
    EXPECT_EQ(split.Computer(), one.Computer()) << c.Threads << " threads";
  }
}

}  // namespace
}  // namespace orvanta::sources
