#pragma once

#include <optional>
#include <string>

#include "platform/posix/file_load.h"
#include "sources/history_source.h"
#include "sources/log_file.h"

namespace orvanta::platform {

// Which history to read: a named file or directory, else a source of this machine, else the
// source of this machine that reaches furthest back. A log file is read in blocks as Blocks
// says, and on up to Threads threads where its format allows.
struct HistoryRequest {
  std::optional<std::string> File;
  std::optional<sources::HistorySource> Source;
  unsigned Threads = 1;
  FileReading Blocks = FileReading::Copied;
};

// Opens what the request names: a journal file (by its signature), a journal directory, a
// login database (an SQLite file with the login table), or an event log or wtmp file. Name is
// what messages call it: the path, or "journal" for this machine's journal.
sources::OpenedLog OpenHistory(const HistoryRequest& request);

// The source chosen when no file and no source is named.
sources::HistorySource DefaultHistorySource();

}  // namespace orvanta::platform
