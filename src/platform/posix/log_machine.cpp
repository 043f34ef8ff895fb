#include "platform/posix/log_machine.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <systemd/sd-journal.h>
#include <unistd.h>

#include <array>
#include <memory>
#include <string_view>

#include "platform/posix/file_load.h"
#include "platform/posix/sigbus_guard.h"
#include "sources/log_machine.h"

namespace orvanta::platform {
namespace {

constexpr std::string_view kJournalSignature = "LPKSHHRH";
constexpr std::string_view kHostnameField = "_HOSTNAME=";

struct JournalCloser {
  void operator()(sd_journal* journal) const { sd_journal_close(journal); }
};

bool IsJournalFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  std::array<char, kJournalSignature.size()> head{};
  const ssize_t got = ::pread(fd, head.data(), head.size(), 0);
  ::close(fd);
  return got == static_cast<ssize_t>(head.size()) &&
         std::string_view(head.data(), head.size()) == kJournalSignature;
}

// The _HOSTNAME of the newest entry of a journal file or directory.
std::string JournalMachine(const std::string& path, bool directory) {
  // The library reads through mappings; a file that shrinks meanwhile reads as damaged.
  const SigbusGuard guard;
  sd_journal* opened = nullptr;
  std::array<const char*, 2> paths{path.c_str(), nullptr};
  const int r = directory ? sd_journal_open_directory(&opened, path.c_str(), 0)
                          : sd_journal_open_files(&opened, paths.data(), 0);
  if (r < 0 || opened == nullptr) {
    return {};
  }
  const std::unique_ptr<sd_journal, JournalCloser> journal(opened);
  const void* data = nullptr;
  std::size_t length = 0;
  if (sd_journal_seek_tail(journal.get()) < 0 || sd_journal_previous(journal.get()) <= 0 ||
      sd_journal_get_data(journal.get(), "_HOSTNAME", &data, &length) < 0 || data == nullptr) {
    return {};
  }
  const std::string_view field(static_cast<const char*>(data), length);
  return field.starts_with(kHostnameField) ? std::string(field.substr(kHostnameField.size()))
                                           : std::string();
}

}  // namespace

std::string MachineOfLog(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    return {};
  }
  if (S_ISDIR(info.st_mode)) {
    return JournalMachine(path, true);
  }
  if (S_ISREG(info.st_mode) && IsJournalFile(path)) {
    return JournalMachine(path, false);
  }
  sources::Opened<sources::BlockReader> load = LoadFile(path);
  if (!load.Ok()) {
    return {};
  }
  return sources::MachineOfLogFile(std::move(load.Value));
}

}  // namespace orvanta::platform
