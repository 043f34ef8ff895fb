// The wtmp reader against this machine: util-linux's last.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "sources/byte_buffer.h"
#include "sources/wtmp_log.h"
#include "support/byte_writer.h"
#include "support/record_reading.h"
#include "support/wtmp_writer.h"

namespace orvanta::platform {
namespace {

using namespace testsupport;

// A login names its user as recorded, without asking this machine's passwd database.
TEST(WtmpLog, ALoginNamesItsUserAsRecorded) {
  sources::WtmpLog log(sources::ByteBuffer::CopyOf(WriteWtmpFile({LoginEntry(5, "root")})));
  const auto events = ReadEvents(log);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].Kind, history::EventKind::Logon);
  EXPECT_EQ(events[0].User, "root");
  EXPECT_TRUE(events[0].Sid.empty());
}

// util-linux's last reads the writer's files as the boots, shutdowns and logins they are: an
// independent check of the record layout the reader assumes.
TEST(WtmpWriter, LastReadsItsFilesAsWritten) {
  const std::string dir = ORVANTA_BINARY_DIR "/wtmp-writer-test";
  const std::string file = dir + "/mix.wtmp";
  const std::string listing = dir + "/last.txt";
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(WriteFileBytes(
      file, WriteWtmpFile({BootEntry(1'700'000'000), LoginEntry(1'700'000'100, "alice"),
                           ShutdownEntry(1'700'003'600)})));
  if (std::system(("last -x -f '" + file + "' >'" + listing + "' 2>/dev/null").c_str()) != 0) {
    GTEST_SKIP() << "last is not available";
  }
  std::ifstream in(listing);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line) && !line.empty();) {
    lines.push_back(line.substr(0, line.find(' ')) + "|" + line.substr(9, 11));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"shutdown|system down", "alice|pts/0      ",
                                             "reboot|system boot"}));
}

}  // namespace
}  // namespace orvanta::platform
