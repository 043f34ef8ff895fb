#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_event.h"

namespace orvanta::sources {

// How a login database is opened so that reading it writes nothing beside it: Shared reads
// it under the writers' locks with its side files; Immutable reads the main file as it
// stands, without locks or side files.
enum class WtmpdbAccess { Shared, Immutable };

struct WtmpdbOpening {
  WtmpdbAccess Access = WtmpdbAccess::Shared;
  std::string Note;  // what reading it so leaves unread, empty when nothing
};

// Chooses from the file's first 100 bytes and the side files present: a database in
// write-ahead-log mode is read shared only when its log and its index both exist, because
// opening it otherwise creates them.
WtmpdbOpening ChooseWtmpdbOpening(std::span<const std::uint8_t> header, bool logBeside,
                                  bool indexBeside);

// The opening after a shared one was refused for wanting to write (an interrupted change to
// roll back, or side files on read-only media).
WtmpdbOpening WtmpdbFallbackOpening(std::span<const std::uint8_t> header);

// One column of the table as the database describes it; Generated when computed from others.
struct WtmpdbColumn {
  std::string Name;
  bool Generated = false;
};

// Why the schema object named wtmp is no login database (empty when it is one): only a plain
// table is read, never a view or a virtual table, whose reading runs code the file chooses.
std::string WtmpdbTableProblem(std::string_view type, std::string_view sql);

// Why the table's columns are no login table: the columns read must be stored, not computed.
std::string WtmpdbColumnsProblem(std::span<const WtmpdbColumn> columns);

// Query steps allowed: Base for opening and the schema whatever the size, PerByte for each
// byte of the database and its log. A plain table of that size never needs more, so a query
// that does is hostile.
struct WtmpdbSteps {
  std::int64_t Base = 1'000'000;
  std::int64_t PerByte = 64;
};

// The steps a database of this many bytes may take to read, saturating.
std::int64_t WtmpdbStepBudget(std::uint64_t bytes, const WtmpdbSteps& steps);

// One row of the login table as read: times in microseconds since 1970 UTC, nothing for NULL.
struct WtmpdbRow {
  int Type = 0;
  std::optional<std::string> User;
  std::optional<std::int64_t> Login;
  std::optional<std::int64_t> Logout;
};

// Appends the events of a row: a boot row is a boot at its login time and, when it has a
// logout time, a clean shutdown then; a user row is a logon of its user. Rows without a login
// time and rows of other types say nothing.
void AppendWtmpdbEvents(const WtmpdbRow& row, std::vector<history::HistoryEvent>& events);

// Whole seconds of a time in microseconds, rounded down (towards the past before 1970 too).
std::int64_t WtmpdbSeconds(std::int64_t microseconds);

}  // namespace orvanta::sources
