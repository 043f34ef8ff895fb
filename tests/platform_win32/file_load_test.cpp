// Saved log files read through the Windows file seam.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/win32/win32_file_load.h"
#include "support/record_reading.h"

namespace orvanta::platform {
namespace {

const std::string kScratch = ORVANTA_BINARY_DIR "/file-load-test";

struct LoadCase {
  const char* Name;
  std::string Path;
  bool Loads;
  std::size_t Size;
};

TEST(Win32FileLoad, LoadsFilesWholeAndNamesWhatFails) {
  std::filesystem::create_directories(kScratch);
  std::ofstream(kScratch + "/empty.bin", std::ios::binary).close();
  std::ofstream(kScratch + "/abc.bin", std::ios::binary) << "abc";
  const LoadCase cases[] = {
      {"three bytes", kScratch + "/abc.bin", true, 3},
      {"empty", kScratch + "/empty.bin", true, 0},
      {"missing", kScratch + "/missing.bin", false, 0},
      {"directory", kScratch, false, 0},
      {"device", "NUL", false, 0},
  };
  for (const LoadCase& c : cases) {
    const sources::Opened<sources::BlockReader> load = LoadFile(c.Path);
    EXPECT_EQ(load.Error.empty(), c.Loads) << c.Name << ": " << load.Error;
    EXPECT_EQ(load.Value.Size(), c.Size) << c.Name;
  }
  const sources::Opened<sources::BlockReader> abc = LoadFile(kScratch + "/abc.bin");
  const std::span<const std::uint8_t> head = abc.Value.Head(3);
  EXPECT_EQ(std::string(head.begin(), head.end()), "abc");
}

// The shared samples lie beside the clone; a worktree keeps its clone one level deeper.
TEST(Win32FileLoad, OpensASavedSystemLog) {
  std::string path;
  for (const char* dir :
       {ORVANTA_SOURCE_DIR "/../shared/samples/", ORVANTA_SOURCE_DIR "/../../shared/samples/"}) {
    if (std::filesystem::exists(std::string(dir) + "xp-SysEvent.Evt")) {
      path = std::string(dir) + "xp-SysEvent.Evt";
    }
  }
  if (path.empty()) {
    GTEST_SKIP() << "the samples are not there";
  }
  sources::OpenedLog opened = OpenLogFile(path);
  ASSERT_TRUE(opened.Value) << opened.Error;
  EXPECT_EQ(testsupport::ReadRecords(testsupport::RecordLog(*opened.Value)).size(), 6063u);
}

}  // namespace
}  // namespace orvanta::platform
