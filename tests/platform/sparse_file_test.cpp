// A sparse log file whose data lies at its two ends is read without reading its holes: the
// process reads a few blocks, not the file's size, and serves every record.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/posix/file_load.h"
#include "support/byte_writer.h"
#include "support/evtx_writer.h"
#include "support/record_reading.h"
#include "support/wtmp_writer.h"

namespace orvanta::platform {
namespace {

using testsupport::FilePiece;

constexpr std::uint64_t kFileSize = std::uint64_t{16} << 30;
constexpr std::uint64_t kMostBytesRead = std::uint64_t{16} << 20;

// Bytes this process has read from files so far.
std::uint64_t BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  std::uint64_t value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") {
      return value;
    }
  }
  return 0;
}

std::vector<std::uint8_t> EvtxChunk(std::uint64_t first, std::int64_t seconds) {
  testsupport::EvtxChunkWriter w;
  w.Add({"EventLog", 0x80001775, seconds, {}, {}}, first);
  w.Add({"EventLog", 0x80001776, seconds + 60, {}, {}}, first + 1);
  return w.Finish();
}

// Enough boots and shutdowns that the newest records tell the wtmp layout apart from others.
constexpr std::size_t kWtmpEntriesAtTheEnd = 4400;

std::vector<std::uint8_t> WtmpEntries(std::int32_t seconds) {
  std::vector<testsupport::WtmpEntry> entries;
  for (std::size_t i = 0; i < kWtmpEntriesAtTheEnd; ++i) {
    seconds += 600;
    entries.push_back(i % 2 == 0 ? testsupport::BootEntry(seconds)
                                 : testsupport::ShutdownEntry(seconds));
  }
  return testsupport::WriteWtmpFile(entries);
}

struct SparseCase {
  const char* Name;
  std::vector<FilePiece> Pieces;
  std::size_t Records;
};

TEST(SparseFile, HolesAreNotRead) {
  using testsupport::kEvtxChunkSize;
  using testsupport::kEvtxFileHeaderSize;
  const std::uint64_t lastSlot =
      kEvtxFileHeaderSize + (kFileSize - kEvtxFileHeaderSize) / kEvtxChunkSize * kEvtxChunkSize -
      kEvtxChunkSize;
  const std::uint64_t lastEntries = (kFileSize / 384 - kWtmpEntriesAtTheEnd) * 384;
  const std::vector<SparseCase> cases = {
      {".evtx",
       {{0, testsupport::WriteEvtxFile({EvtxChunk(1, 1'600'000'000)}, 1)},
        {lastSlot, EvtxChunk(3, 1'600'100'000)}},
       4},
      {"wtmp",
       {{0, testsupport::WriteWtmpFile({testsupport::BootEntry(1'600'000'000)})},
        {lastEntries, WtmpEntries(1'600'100'000)}},
       1 + kWtmpEntriesAtTheEnd},
  };
  const std::string path = testing::TempDir() + "orvanta-sparse-" + std::to_string(::getpid());
  for (const SparseCase& c : cases) {
    ASSERT_TRUE(testsupport::WriteSparseFile(path, kFileSize, c.Pieces)) << c.Name;
    const std::uint64_t before = BytesRead();
    sources::OpenedLog opened = OpenLogFile(path);
    ASSERT_TRUE(opened.Value) << c.Name << ": " << opened.Error;
    EXPECT_EQ(testsupport::ReadEvents(*opened.Value).size(), c.Records) << c.Name;
    EXPECT_LT(BytesRead() - before, kMostBytesRead) << c.Name;
  }
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace orvanta::platform
