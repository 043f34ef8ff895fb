#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/event_log_api.h"
#include "sources/file_note.h"
#include "sources/history_source.h"
#include "sources/log_file.h"
#include "sources/user_directory.h"

namespace orvanta::platform {

// Which history to read: a named file or directory, else a source of this machine, else the
// source of this machine that reaches furthest back.
struct HistoryRequest {
  std::optional<std::string> File;
  std::optional<sources::HistorySource> Source;
};

// The history opened, or why not. Name is what messages call it (a path, or "journal");
// Note, when set, says that the history was read only in part and why; FileNotes name the
// files of a directory that were not read whole.
struct OpenedHistory {
  std::unique_ptr<history::EventLogApi> Log;
  std::string Name;
  std::string Error;
  std::string Note;
  std::vector<sources::FileNote> FileNotes;
};

// Opens what the request names: a journal file (by its signature), a journal directory, a
// login database (an SQLite file with the login table), or an event log or wtmp file.
OpenedHistory OpenHistory(const HistoryRequest& request, sources::UserDirectory& users);

// The source chosen when no file and no source is named.
sources::HistorySource DefaultHistorySource();

}  // namespace orvanta::platform
