#include "platform/posix/history_open.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <span>

#include "platform/posix/file_load.h"
#include "platform/posix/journal_history.h"
#include "platform/posix/report_mode.h"
#include "platform/posix/wtmpdb_history.h"
#include "sources/event_list_history.h"
#include "sources/log_format.h"
#include "sources/wtmp_log.h"

namespace orvanta::platform {
namespace {

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
  std::array<std::uint8_t, sources::kLogFormatHeadBytes> head{};
  const ssize_t got = pread(fd, head.data(), head.size(), 0);
  close(fd);
  switch (sources::RecognizeLogFormat(
      std::span(head).first(got > 0 ? static_cast<std::size_t>(got) : 0))) {
    case sources::LogFormat::Journal:
      return FileKind::Journal;
    case sources::LogFormat::Sqlite:
      return FileKind::Database;
    default:
      return FileKind::Other;
  }
}

sources::OpenedLog FromGathered(sources::GatheredEvents gathered, std::string name,
                                sources::SleepRecords sleep) {
  std::unique_ptr<history::EventHistory> history;
  if (gathered.Ok()) {
    history = std::make_unique<sources::EventListHistory>(std::move(gathered.Value), sleep);
  }
  sources::OpenedLog opened = std::move(gathered).With(std::move(history));
  opened.Name = std::move(name);
  return opened;
}

sources::OpenedLog FromLogFile(const std::string& path, const HistoryRequest& request,
                               sources::ExpectedLog expected) {
  sources::OpenedLog opened = OpenLogFile(path, {expected, request.Blocks, request.Threads});
  opened.Name = path;
  return opened;
}

sources::OpenedLog ReadJournalAt(const JournalPlace& place, std::string name) {
  return FromGathered(ReadJournal(place), std::move(name), sources::SleepRecords::Known);
}

sources::OpenedLog OpenSystemJournal() {
  sources::OpenedLog opened = ReadJournalAt({JournalScope::System, {}}, kSystemJournalName);
  if (opened.Value && opened.Note.empty() && !MayReadWholeSystemJournal()) {
    opened.Note = "only the entries this user may read (not in the adm or systemd-journal group)";
  }
  return opened;
}

sources::OpenedLog OpenWtmpdb(const std::string& path) {
  return FromGathered(ReadWtmpdb(path), path, sources::SleepRecords::Unknown);
}

sources::OpenedLog OpenSource(sources::HistorySource source, const HistoryRequest& request) {
  switch (source) {
    case sources::HistorySource::Wtmpdb:
      return OpenWtmpdb(kDefaultWtmpdbPath);
    case sources::HistorySource::Journal:
      return OpenSystemJournal();
    case sources::HistorySource::Wtmp:
      break;
  }
  return FromLogFile(kDefaultLogPath, request, sources::ExpectedLog::Wtmp);
}

std::optional<std::int64_t> WtmpReach() {
  sources::Opened<sources::BlockReader> load = LoadFile(kDefaultLogPath);
  if (!load.Ok()) {
    return std::nullopt;
  }
  return sources::WtmpLog(std::move(load.Value)).OldestSeconds();
}

}  // namespace

sources::OpenedLog OpenHistory(const HistoryRequest& request) {
  if (!request.File) {
    return OpenSource(request.Source.value_or(DefaultHistorySource()), request);
  }
  const std::string& path = *request.File;
  switch (KindOf(path)) {
    case FileKind::Directory:
      return ReadJournalAt({JournalScope::Directory, path}, path);
    case FileKind::Journal:
      return ReadJournalAt({JournalScope::File, path}, path);
    case FileKind::Database:
      return OpenWtmpdb(path);
    case FileKind::Other:
      break;
  }
  return FromLogFile(path, request, sources::ExpectedLog::Any);
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
