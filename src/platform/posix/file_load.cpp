#include "platform/posix/file_load.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace orvanta::platform {
namespace {

using sources::ByteBuffer;
using sources::FileLoad;

// Closes the descriptor however the load ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  ~FileDescriptor() {
    if (m_fd >= 0) {
      ::close(m_fd);
    }
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return m_fd; }

 private:
  int m_fd;
};

FileLoad Failure(std::string reason) {
  return {ByteBuffer(), std::move(reason)};
}

// A read-only mapping of a file, unmapped with the buffer that borrows its bytes.
class Mapping final : public sources::ByteOwner {
 public:
  Mapping(void* address, std::size_t length) : m_address(address), m_length(length) {}
  ~Mapping() override { ::munmap(m_address, m_length); }
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;

 private:
  void* m_address;
  std::size_t m_length;
};

// The first size bytes of an open file, mapped read-only; empty when it cannot be mapped.
ByteBuffer MapFile(int fd, std::size_t size) {
  // Populated at once: the readers touch every page, and one call beats a fault per page.
  void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  if (address == MAP_FAILED) {
    return {};
  }
  return ByteBuffer::Borrowed({static_cast<const std::uint8_t*>(address), size},
                              std::make_unique<Mapping>(address, size));
}

// Why a file of this type is not read, nothing for a regular file. Pipes, sockets and devices
// would block or never end; directories are no log.
std::optional<std::string> RefusalOf(mode_t mode) {
  switch (mode & S_IFMT) {
    case S_IFREG:
      return std::nullopt;
    case S_IFDIR:
      return std::strerror(EISDIR);
    default:
      return "not a regular file";
  }
}

}  // namespace

sources::FileLoad LoadFile(const std::string& path) {
  // Devices are refused before they are opened, since opening some has effects of its own.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    if (std::optional<std::string> refusal = RefusalOf(info.st_mode)) {
      return Failure(std::move(*refusal));
    }
  }
  // Non-blocking, so that a pipe put in the file's place meanwhile cannot hang the open; reads
  // and mappings of a regular file are not affected by the flag.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) {
    return Failure(std::strerror(errno));
  }
  if (::fstat(fd.Get(), &info) != 0) {
    return Failure(std::strerror(errno));
  }
  if (std::optional<std::string> refusal = RefusalOf(info.st_mode)) {
    return Failure(std::move(*refusal));
  }
  if (info.st_size == 0) {
    return {ByteBuffer{}, {}};  // whether that is a log is for the reader of the bytes to say
  }
  const auto size = static_cast<std::size_t>(info.st_size);
  if (ByteBuffer mapped = MapFile(fd.Get(), size); mapped.Size() == size) {
    // A file cut shorter while it was mapped would fault on its lost pages; such a file is
    // being rewritten and is read from a copy instead.
    struct stat after {};
    if (::fstat(fd.Get(), &after) == 0 && after.st_size == info.st_size) {
      return {std::move(mapped), {}};
    }
  }
  return sources::ReadWhole(
      size, [&fd](std::span<std::uint8_t> into, std::string& error) -> std::optional<std::size_t> {
        for (;;) {
          const ssize_t n = ::read(fd.Get(), into.data(), into.size());
          if (n >= 0) {
            return static_cast<std::size_t>(n);
          }
          if (errno != EINTR) {
            error = std::strerror(errno);
            return std::nullopt;
          }
        }
      });
}

}  // namespace orvanta::platform
