#include "platform/posix/file_load.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "platform/posix/file_descriptor.h"
#include "platform/posix/sigbus_guard.h"

namespace orvanta::platform {
namespace {

using sources::BlockReader;
using FileLoad = sources::Opened<BlockReader>;

constexpr std::uint64_t kSmallestSkippedHole = std::uint64_t{1} << 20;
constexpr std::size_t kMostDataRanges = std::size_t{1} << 16;

FileLoad Failure(std::string reason) {
  return sources::Failed<BlockReader>(std::move(reason));
}

FileLoad Loaded(BlockReader reader) {
  FileLoad load;
  load.Value = std::move(reader);
  return load;
}

// A part of a file mapped for as long as it is read.
class Mapping final : public sources::MappedBytes {
 public:
  Mapping(void* address, std::size_t length) : m_address(address), m_length(length) {}
  ~Mapping() override { ::munmap(m_address, m_length); }
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;
  std::span<const std::uint8_t> Bytes() const override {
    return {static_cast<const std::uint8_t*>(m_address), m_length};
  }

 private:
  void* m_address;
  std::size_t m_length;
};

// An open file read where it is asked, with pread: nothing of the file stays in this process's
// memory beyond the reader's few blocks. Unlike a mapping, a file cut shorter meanwhile cannot
// fault; its lost bytes only read short, as if the file had been truncated before. Where asked,
// the blocks are mapped instead, which spares the copy: the source then holds a guard, under
// which the pages a file lost meanwhile read as zeros.
class FileSource final : public sources::ByteSource {
 public:
  FileSource(int fd, std::uint64_t size, FileReading reading) : m_fd(fd), m_size(size) {
    // The readers walk the file once, newest end first; read-ahead helps them either way.
    ::posix_fadvise(m_fd.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    if (reading == FileReading::Mapped) {
      m_guard.emplace();
    }
  }
  std::uint64_t Size() const override { return m_size; }

  bool Maps() const override { return m_guard.has_value(); }

  std::unique_ptr<sources::MappedBytes> Map(std::uint64_t offset, std::size_t length) override {
    if (!m_guard || length == 0) {
      return nullptr;
    }
    void* address = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, m_fd.Get(),
                           static_cast<off_t>(offset));
    if (address == MAP_FAILED) {
      return nullptr;
    }
    return std::make_unique<Mapping>(address, length);
  }

  std::vector<sources::DataRange> DataRanges() const override {
    std::vector<sources::DataRange> ranges;
    auto at = static_cast<off_t>(0);
    const auto size = static_cast<off_t>(m_size);
    while (at < size) {
      const off_t data = ::lseek(m_fd.Get(), at, SEEK_DATA);
      if (data < 0 && errno == ENXIO) {
        break;  // holes to the end
      }
      const off_t hole = data < 0 ? -1 : ::lseek(m_fd.Get(), data, SEEK_HOLE);
      if (hole < 0 || hole <= data) {
        return {{0, m_size}};  // a file system that cannot tell: all of it is read
      }
      const sources::DataRange range{static_cast<std::uint64_t>(std::min(data, size)),
                                     static_cast<std::uint64_t>(std::min(hole, size))};
      // Small holes are read as data, and a file of very many holes is read whole after the
      // first of them: the ranges take little memory and little time to find.
      if (!ranges.empty() && range.Begin - ranges.back().End < kSmallestSkippedHole) {
        ranges.back().End = range.End;
      } else if (ranges.size() == kMostDataRanges) {
        ranges.back().End = m_size;
        break;
      } else if (range.Begin < range.End) {
        ranges.push_back(range);
      }
      at = hole;
    }
    return ranges;
  }

  std::size_t ReadAt(std::uint64_t offset, std::span<std::uint8_t> into) override {
    std::size_t done = 0;
    while (done < into.size()) {
      const ssize_t n = ::pread(m_fd.Get(), into.data() + done, into.size() - done,
                                static_cast<off_t>(offset + done));
      if (n < 0 && errno == EINTR) {
        continue;
      }
      if (n <= 0) {
        break;  // the end of a file that shrank, or an error: both read as a truncated file
      }
      done += static_cast<std::size_t>(n);
    }
    return done;
  }

 private:
  FileDescriptor m_fd;
  std::uint64_t m_size;
  std::optional<SigbusGuard> m_guard;
};

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

sources::Opened<sources::BlockReader> LoadFile(const std::string& path, FileReading reading) {
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
    return Loaded(BlockReader());  // whether that is a log is for the reader to say
  }
  const auto size = static_cast<std::uint64_t>(info.st_size);
  return Loaded(BlockReader(std::make_unique<FileSource>(fd.Release(), size, reading)));
}

}  // namespace orvanta::platform
