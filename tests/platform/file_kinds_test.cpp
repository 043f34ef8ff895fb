// What the Linux file seam does with paths that are no regular file.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/posix/file_load.h"

namespace orvanta::platform {
namespace {

namespace fs = std::filesystem;

struct KindCase {
  const char* Name;
  std::string Path;
  const char* Reason;
};

// A pipe without a writer would hang a blocking open, and a device would be read for ever.
TEST(FileLoad, RefusesWhatIsNoRegularFileAtOnce) {
  const fs::path dir = fs::path(ORVANTA_BINARY_DIR) / "file-kinds-test";
  fs::create_directories(dir);
  const std::string fifo = (dir / "fifo").string();
  const std::string socketPath = (dir / "socket").string();
  fs::remove(fifo);
  fs::remove(socketPath);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
  const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(listening, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(socketPath.size(), sizeof(address.sun_path));
  std::strcpy(address.sun_path, socketPath.c_str());
  ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);

  const std::vector<KindCase> cases = {
      {"named pipe", fifo, "not a regular file"},
      {"socket", socketPath, "not a regular file"},
      {"device", "/dev/null", "not a regular file"},
      {"directory", dir.string(), "Is a directory"},
  };
  for (const KindCase& c : cases) {
    const sources::OpenedLog opened = OpenLogFile(c.Path);
    EXPECT_FALSE(opened.Value) << c.Name;
    EXPECT_EQ(opened.Error, c.Reason) << c.Name;
  }
  ::close(listening);
}

}  // namespace
}  // namespace orvanta::platform
