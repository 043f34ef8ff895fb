#pragma once

#include <string>
#include <vector>

#include "sources/file_note.h"
#include "sources/history_event.h"

namespace orvanta::platform {

// The events read from a history kept by a library (the journal, the login database).
// Opened false: nothing could be read, Problem says why. Opened with a Problem: the reading
// stopped early there, and the events before it are kept. Notes name the files of a
// directory that could not be read whole, with their reasons.
struct GatheredHistory {
  bool Opened = false;
  std::vector<sources::HistoryEvent> Events;
  std::string Problem;
  std::vector<sources::FileNote> Notes;
  std::string Note;  // what was left unread though the reading succeeded, empty when nothing
};

}  // namespace orvanta::platform
