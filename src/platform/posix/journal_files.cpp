#include "platform/posix/journal_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <systemd/sd-journal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/posix/file_descriptor.h"
#include "sources/journal_rows.h"

namespace orvanta::platform {
namespace {

// Reasons plainer than the library's error names, for what it says of a damaged file.
constexpr std::pair<int, const char*> kReasons[] = {
    {EBADMSG, "damaged journal file"},
    {ENODATA, "damaged journal file"},
    {EPROTONOSUPPORT, "journal file of a format this program cannot read"},
};

constexpr std::size_t kCopyBlock = 256 * 1024;

struct DirCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool ReadFully(int fd, std::uint8_t* into, std::size_t size, std::uint64_t offset,
               std::size_t& got) {
  got = 0;
  while (got < size) {
    const ssize_t n = ::pread(fd, into + got, size - got, static_cast<off_t>(offset + got));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return n == 0;
    }
    got += static_cast<std::size_t>(n);
  }
  return true;
}

bool WriteFully(int fd, const std::uint8_t* from, std::size_t size, std::uint64_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, from + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The folder for the copies of files cut short.
std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

// A copy of a file shorter than its header says, filled out with zeros (as holes) to the
// header's length, in a temporary file named in path (the library refuses files without a
// name); -1 when the file is not that or cannot be copied.
int PaddedCopy(const std::string& path, std::string& copyPath) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  struct stat info {};
  if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return -1;
  }
  std::array<std::uint8_t, 256> head{};
  std::size_t got = 0;
  ReadFully(file.Get(), head.data(), head.size(), 0, got);
  const std::optional<std::uint64_t> length =
      sources::JournalLengthInHeader(std::span(head.data(), got));
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (!length || *length <= size) {
    return -1;
  }
  std::string name = TemporaryFolder() + "/orvanta-journal-XXXXXX";
  FileDescriptor copy(::mkostemp(name.data(), O_CLOEXEC));
  if (copy.Get() < 0) {
    return -1;
  }
  bool copied = ::ftruncate(copy.Get(), static_cast<off_t>(*length)) == 0;
  // Blocks of zeros stay holes, so a sparse file costs no room for them.
  std::vector<std::uint8_t> block(kCopyBlock);
  for (std::uint64_t offset = 0; copied && offset < size; offset += got) {
    if (!ReadFully(file.Get(), block.data(), block.size(), offset, got) || got == 0) {
      break;  // shrank further meanwhile: the rest stays zeros
    }
    const bool zeros = std::all_of(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got),
                                   [](std::uint8_t b) { return b == 0; });
    copied = zeros || WriteFully(copy.Get(), block.data(), got, offset);
  }
  if (!copied) {
    ::unlink(name.c_str());
    return -1;
  }
  copyPath = std::move(name);
  return copy.Release();
}

enum class EntryKind { Regular, Directory, Other, Unknown };

EntryKind KindOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return EntryKind::Unknown;  // opening it will say why
  }
  return S_ISREG(info.st_mode)   ? EntryKind::Regular
         : S_ISDIR(info.st_mode) ? EntryKind::Directory
                                 : EntryKind::Other;
}

// Adds a journal file of the directory, or names one that is not a regular file (a device or
// pipe is never opened).
void AddFile(const std::string& path, JournalFileList& list) {
  switch (KindOf(path)) {
    case EntryKind::Regular:
    case EntryKind::Unknown:
      list.Paths.push_back(path);
      break;
    case EntryKind::Other:
      list.Unlisted.push_back({path, "not a regular file"});
      break;
    case EntryKind::Directory:
      break;
  }
}

// The entries of a directory, or the reason it cannot be listed.
std::string ListNames(const std::string& directory, std::vector<std::string>& names) {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(directory.c_str()));
  if (!dir) {
    return std::strerror(errno);
  }
  errno = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    names.emplace_back(entry->d_name);
  }
  return errno != 0 ? std::strerror(errno) : std::string();
}

}  // namespace

JournalFile JournalFile::Open(const std::string& path) {
  JournalFile file;
  std::array<const char*, 2> paths{path.c_str(), nullptr};
  int r = sd_journal_open_files(&file.m_journal, paths.data(), 0);
  if (r == -ENODATA) {
    // The library refuses a file shorter than its header says; its copy, filled out, is read.
    file.m_copy = PaddedCopy(path, file.m_copyPath);
    if (file.m_copy >= 0) {
      std::array<int, 1> fds{file.m_copy};
      r = sd_journal_open_files_fd(&file.m_journal, fds.data(), 1, 0);
    }
  }
  if (r < 0) {
    file.m_journal = nullptr;
    file.m_error = JournalReason(r);
  }
  return file;
}

JournalFile::JournalFile(JournalFile&& other) noexcept
    : m_journal(std::exchange(other.m_journal, nullptr)),
      m_copy(std::exchange(other.m_copy, -1)),
      m_copyPath(std::move(other.m_copyPath)),
      m_error(std::move(other.m_error)) {}

JournalFile::~JournalFile() {
  if (m_journal != nullptr) {
    sd_journal_close(m_journal);
  }
  if (m_copy >= 0) {
    ::close(m_copy);
  }
  if (!m_copyPath.empty()) {
    ::unlink(m_copyPath.c_str());
  }
}

JournalFileList ListJournalFiles(const std::string& directory) {
  JournalFileList list;
  std::vector<std::string> names;
  list.Error = ListNames(directory, names);
  if (!list.Error.empty()) {
    return list;
  }
  const std::string prefix = directory.ends_with('/') ? directory : directory + "/";
  for (const std::string& name : names) {
    const std::string path = prefix + name;
    if (sources::IsJournalFileName(name)) {
      AddFile(path, list);
    } else if (sources::IsMachineDirectoryName(name) && KindOf(path) == EntryKind::Directory) {
      std::vector<std::string> inner;
      if (std::string error = ListNames(path, inner); !error.empty()) {
        list.Unlisted.push_back({path, std::move(error)});
        continue;
      }
      for (const std::string& innerName : inner) {
        if (sources::IsJournalFileName(innerName)) {
          AddFile(path + "/" + innerName, list);
        }
      }
    }
  }
  std::sort(list.Paths.begin(), list.Paths.end());
  return list;
}

std::string JournalReason(int negativeErrno) {
  for (const auto& [error, reason] : kReasons) {
    if (-negativeErrno == error) {
      return reason;
    }
  }
  return std::strerror(-negativeErrno);
}

}  // namespace orvanta::platform
