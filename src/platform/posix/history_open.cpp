#include "platform/posix/history_open.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <string_view>

#include "platform/posix/file_load.h"
#include "platform/posix/journal_history.h"
#include "platform/posix/report_mode.h"
#include "platform/posix/wtmpdb_history.h"
#include "sources/event_list_log.h"
#include "sources/wtmp_log.h"

namespace orvanta::platform {
namespace {

constexpr std::string_view kJournalSignature = "LPKSHHRH";
constexpr std::string_view kSqliteSignature{"SQLite format 3\0", 16};
constexpr const char* kSystemJournalName = "journal";

enum class FileKind { Directory, Journal, Database, Other };

// Looks at the path without opening anything but a regular file: pipes, devices and anything
// unreadable are left to the log file loader, which says what they are.
FileKind KindOf(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    return FileKind::Other;
  }
  if (S_ISDIR(info.st_mode)) {
    return FileKind::Directory;
  }
  if (!S_ISREG(info.st_mode)) {
    return FileKind::Other;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return FileKind::Other;
  }
  std::array<char, 16> head{};
  const ssize_t got = pread(fd, head.data(), head.size(), 0);
  close(fd);
  const std::string_view bytes(head.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
  if (bytes.starts_with(kJournalSignature)) {
    return FileKind::Journal;
  }
  return bytes == kSqliteSignature ? FileKind::Database : FileKind::Other;
}

OpenedHistory FromGathered(GatheredHistory gathered, std::string name,
                           sources::UserDirectory& users) {
  OpenedHistory opened;
  opened.Name = std::move(name);
  opened.FileNotes = std::move(gathered.Notes);
  if (!gathered.Opened) {
    opened.Error = std::move(gathered.Problem);
    return opened;
  }
  opened.Note = std::move(gathered.Note);
  if (!gathered.Problem.empty()) {
    opened.Note += opened.Note.empty() ? "" : "; ";
    opened.Note += "read as far as it goes: " + gathered.Problem;
  }
  opened.Log = std::make_unique<sources::EventListLog>(std::move(gathered.Events), users);
  return opened;
}

OpenedHistory FromLogFile(const std::string& path, sources::UserDirectory& users,
                          sources::ExpectedLog expected) {
  sources::OpenedLog log = OpenLogFile(path, users, expected);
  OpenedHistory opened;
  opened.Name = path;
  opened.Log = std::move(log.Log);
  opened.Error = std::move(log.Error);
  opened.Note = std::move(log.Warning);
  return opened;
}

OpenedHistory OpenSystemJournal(sources::UserDirectory& users) {
  OpenedHistory opened =
      FromGathered(ReadJournal({JournalScope::System, {}}), kSystemJournalName, users);
  if (opened.Log && opened.Note.empty() && !MayReadWholeSystemJournal()) {
    opened.Note = "only the entries this user may read (not in the adm or systemd-journal group)";
  }
  return opened;
}

OpenedHistory OpenSource(sources::HistorySource source, sources::UserDirectory& users) {
  switch (source) {
    case sources::HistorySource::Wtmpdb:
      return FromGathered(ReadWtmpdb(kDefaultWtmpdbPath), kDefaultWtmpdbPath, users);
    case sources::HistorySource::Journal:
      return OpenSystemJournal(users);
    case sources::HistorySource::Wtmp:
      break;
  }
  return FromLogFile(kDefaultLogPath, users, sources::ExpectedLog::Wtmp);
}

// Asks no account database: only the times of the records matter.
class NoUsers final : public sources::UserDirectory {
 public:
  std::optional<std::uint32_t> UidOf(std::string_view) override { return std::nullopt; }
  std::optional<std::string> NameOf(std::uint32_t) override { return std::nullopt; }
};

std::optional<std::int64_t> WtmpReach() {
  NoUsers none;
  sources::FileLoad load = LoadFile(kDefaultLogPath);
  if (!load.Error.empty()) {
    return std::nullopt;
  }
  return sources::WtmpLog(load.Source ? sources::BlockReader(std::move(load.Source))
                                      : sources::BlockReader(std::move(load.Bytes)),
                          none)
      .OldestSeconds();
}

}  // namespace

OpenedHistory OpenHistory(const HistoryRequest& request, sources::UserDirectory& users) {
  if (!request.File) {
    return OpenSource(request.Source.value_or(DefaultHistorySource()), users);
  }
  const std::string& path = *request.File;
  switch (KindOf(path)) {
    case FileKind::Directory:
      return FromGathered(ReadJournal({JournalScope::Directory, path}), path, users);
    case FileKind::Journal:
      return FromGathered(ReadJournal({JournalScope::File, path}), path, users);
    case FileKind::Database:
      return FromGathered(ReadWtmpdb(path), path, users);
    case FileKind::Other:
      break;
  }
  return FromLogFile(path, users, sources::ExpectedLog::Any);
}

sources::HistorySource DefaultHistorySource() {
  const std::array<sources::SourceReach, 3> reaches{{
      {sources::HistorySource::Wtmpdb, WtmpdbReach(kDefaultWtmpdbPath)},
      {sources::HistorySource::Wtmp, WtmpReach()},
      {sources::HistorySource::Journal, JournalReach({JournalScope::System, {}})},
  }};
  return sources::ChooseHistorySource(reaches);
}

}  // namespace orvanta::platform
