#include "platform/posix/wtmpdb_history.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace orvanta::platform {
namespace {

// No ORDER BY: sorting could spill into temporary files, and the events are sorted later.
constexpr const char* kRowsQuery = "SELECT Type, User, Login, Logout FROM main.wtmp";
constexpr const char* kReachQuery = "SELECT MIN(Login) FROM main.wtmp";
constexpr const char* kTableQuery =
    "SELECT type, sql FROM main.sqlite_master WHERE name = 'wtmp' COLLATE NOCASE"
    " AND type <> 'trigger'";
constexpr const char* kColumnsQuery = "SELECT name, hidden FROM pragma_table_xinfo('wtmp')";

// Hidden values of table_xinfo from which on a column is computed.
constexpr int kFirstGeneratedHidden = 2;
// Query steps between two looks at the budget.
constexpr int kStepsPerLook = 1000;
constexpr std::size_t kHeaderBytes = 100;
// Longest text or blob a reading builds; user names are far shorter.
constexpr int kLongestValue = 64 * 1024;

constexpr std::array<std::pair<int, int>, 4> kLimits{{
    {SQLITE_LIMIT_LENGTH, kLongestValue},
    {SQLITE_LIMIT_SQL_LENGTH, 1024 * 1024},
    {SQLITE_LIMIT_ATTACHED, 0},
    {SQLITE_LIMIT_WORKER_THREADS, 0},
}};

// The file's own choices that could run code or write while it is read are switched off.
constexpr std::array<std::pair<int, int>, 4> kSettings{{
    {SQLITE_DBCONFIG_DEFENSIVE, 1},
    {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
    {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
    {SQLITE_DBCONFIG_ENABLE_VIEW, 0},
}};

struct DatabaseCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementCloser {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

// The database file's first bytes and size; Regular false for anything but a regular file.
struct FileHead {
  bool Exists = false;
  bool Regular = false;
  std::vector<std::uint8_t> Header;
  std::uint64_t Size = 0;
};

FileHead ReadHead(const std::string& path) {
  FileHead head;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return head;
  }
  head.Exists = true;
  struct stat info {};
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    head.Regular = true;
    head.Size = static_cast<std::uint64_t>(info.st_size);
    head.Header.resize(kHeaderBytes);
    const ssize_t got = pread(fd, head.Header.data(), head.Header.size(), 0);
    head.Header.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  }
  close(fd);
  return head;
}

// The size of a side file beside the database, nothing when there is none.
std::optional<std::uint64_t> SideFileSize(const std::string& path, const char* suffix) {
  struct stat info {};
  if (stat((path + suffix).c_str(), &info) != 0) {
    return std::nullopt;
  }
  return S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
}

// Bytes that stand for themselves in a URI's path, whatever the locale.
bool IsUriPlain(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("/.-_~").find(static_cast<char>(c)) != std::string_view::npos;
}

// A URI naming the file, so that it opens read-only and, when asked, immutable; every byte
// that a URI could read otherwise is escaped.
std::string DatabaseUri(const std::string& path, sources::WtmpdbAccess access) {
  std::error_code error;
  const std::string absolute = std::filesystem::absolute(path, error).string();
  std::string uri = "file://";
  constexpr const char* kHex = "0123456789ABCDEF";
  for (unsigned char c : error ? path : absolute) {
    if (IsUriPlain(c)) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 0xF];
    }
  }
  uri += "?mode=ro";
  if (access == sources::WtmpdbAccess::Immutable) {
    uri += "&immutable=1";
  }
  return uri;
}

std::string DurationText(std::chrono::milliseconds wait) {
  return wait.count() % 1000 == 0 ? std::to_string(wait.count() / 1000) + " s"
                                  : std::to_string(wait.count()) + " ms";
}

std::optional<std::int64_t> Microseconds(sqlite3_stmt* statement, int column) {
  if (sqlite3_column_type(statement, column) == SQLITE_NULL) {
    return std::nullopt;
  }
  return sqlite3_column_int64(statement, column);
}

std::string Text(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text != nullptr ? text : "";
}

// An open login database whose wtmp table was found to be a plain table; otherwise Problem
// says why it is not read. Work is counted from the opening on.
class WtmpdbReading {
 public:
  WtmpdbReading(const std::string& path, const WtmpdbBounds& bounds) : m_bounds(bounds) {
    const FileHead head = ReadHead(path);
    if (head.Exists && !head.Regular) {
      m_problem = "not a regular file";
      return;
    }
    const std::optional<std::uint64_t> log = SideFileSize(path, "-wal");
    const bool indexBeside = SideFileSize(path, "-shm").has_value();
    m_stepsLeft = sources::WtmpdbStepBudget(head.Size + log.value_or(0), bounds.Steps);
    const sources::WtmpdbOpening opening =
        sources::ChooseWtmpdbOpening(head.Header, log.value_or(0) > 0, indexBeside);
    const int result = Open(path, opening);
    if (opening.Access == sources::WtmpdbAccess::Shared && WantedToWrite(result)) {
      m_problem.clear();
      Open(path, sources::WtmpdbFallbackOpening(head.Header));
    }
  }

  bool Readable() const { return m_problem.empty(); }
  const std::string& Problem() const { return m_problem; }
  const std::string& Note() const { return m_note; }

  Statement Prepare(const char* query) {
    sqlite3_stmt* prepared = nullptr;
    const int result = sqlite3_prepare_v2(m_db.get(), query, -1, &prepared, nullptr);
    Statement statement(prepared);
    if (result != SQLITE_OK) {
      m_problem = Reason(result);
      return nullptr;
    }
    return statement;
  }

  // Why a step or preparation failed, in words that name what happened.
  std::string Reason(int result) const {
    switch (result & 0xFF) {
      case SQLITE_BUSY:
      case SQLITE_LOCKED:
        return "locked by another program writing to it (waited " +
               DurationText(m_bounds.LockWait) + ")";
      case SQLITE_INTERRUPT:
        return m_stepsLeft < 0 ? "gave up: reading it took more work than its size needs"
                               : sqlite3_errstr(result);
      case SQLITE_TOOBIG:
        return "a value longer than " + std::to_string(kLongestValue) + " bytes";
      default:
        return m_db != nullptr ? sqlite3_errmsg(m_db.get()) : sqlite3_errstr(result);
    }
  }

 private:
  static bool WantedToWrite(int result) {
    return (result & 0xFF) == SQLITE_READONLY || (result & 0xFF) == SQLITE_CANTOPEN;
  }

  static int CountStep(void* self) {
    auto& stepsLeft = static_cast<WtmpdbReading*>(self)->m_stepsLeft;
    stepsLeft -= kStepsPerLook;
    return stepsLeft < 0 ? 1 : 0;
  }

  // Opens the database and checks its schema; the result code of what failed, or SQLITE_OK.
  int Open(const std::string& path, const sources::WtmpdbOpening& opening) {
    m_note = opening.Note;
    sqlite3* opened = nullptr;
    const int result = sqlite3_open_v2(DatabaseUri(path, opening.Access).c_str(), &opened,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    m_db.reset(opened);
    if (result != SQLITE_OK) {
      m_problem = Reason(result);
      return result;
    }
    sqlite3_extended_result_codes(m_db.get(), 1);
    for (const auto& [limit, value] : kLimits) {
      sqlite3_limit(m_db.get(), limit, value);
    }
    for (const auto& [setting, value] : kSettings) {
      sqlite3_db_config(m_db.get(), setting, value, nullptr);
    }
    sqlite3_busy_timeout(m_db.get(), static_cast<int>(m_bounds.LockWait.count()));
    sqlite3_progress_handler(m_db.get(), kStepsPerLook, &CountStep, this);
    return CheckSchema();
  }

  int CheckSchema() {
    Statement table = Prepare(kTableQuery);
    if (!table) {
      return sqlite3_extended_errcode(m_db.get());
    }
    int result = sqlite3_step(table.get());
    if (result == SQLITE_DONE) {
      m_problem = "no such table: wtmp";
      return result;
    }
    if (result != SQLITE_ROW) {
      m_problem = Reason(result);
      return result;
    }
    m_problem = sources::WtmpdbTableProblem(Text(table.get(), 0), Text(table.get(), 1));
    if (!m_problem.empty()) {
      return SQLITE_OK;
    }
    Statement columns = Prepare(kColumnsQuery);
    if (!columns) {
      return sqlite3_extended_errcode(m_db.get());
    }
    std::vector<sources::WtmpdbColumn> found;
    while ((result = sqlite3_step(columns.get())) == SQLITE_ROW) {
      found.push_back(
          {Text(columns.get(), 0), sqlite3_column_int(columns.get(), 1) >= kFirstGeneratedHidden});
    }
    m_problem = result == SQLITE_DONE ? sources::WtmpdbColumnsProblem(found) : Reason(result);
    return result == SQLITE_DONE ? SQLITE_OK : result;
  }

  WtmpdbBounds m_bounds;
  std::int64_t m_stepsLeft = 0;
  Database m_db;
  std::string m_note;
  std::string m_problem;
};

}  // namespace

sources::GatheredEvents ReadWtmpdb(const std::string& path, const WtmpdbBounds& bounds) {
  WtmpdbReading reading(path, bounds);
  Statement rows = reading.Readable() ? reading.Prepare(kRowsQuery) : nullptr;
  if (!rows) {
    return sources::Failed<std::vector<history::HistoryEvent>>(reading.Problem());
  }
  sources::GatheredEvents gathered;
  gathered.Note = reading.Note();
  int r = SQLITE_ROW;
  while ((r = sqlite3_step(rows.get())) == SQLITE_ROW) {
    sources::WtmpdbRow row;
    row.Type = sqlite3_column_int(rows.get(), 0);
    if (const auto* user = reinterpret_cast<const char*>(sqlite3_column_text(rows.get(), 1))) {
      row.User = user;
    }
    row.Login = Microseconds(rows.get(), 2);
    row.Logout = Microseconds(rows.get(), 3);
    sources::AppendWtmpdbEvents(row, gathered.Value);
  }
  if (r != SQLITE_DONE) {
    gathered.AddNote(std::string(sources::kReadInPart) + reading.Reason(r));
  }
  return gathered;
}

std::optional<std::int64_t> WtmpdbReach(const std::string& path, const WtmpdbBounds& bounds) {
  WtmpdbReading reading(path, bounds);
  Statement reach = reading.Readable() ? reading.Prepare(kReachQuery) : nullptr;
  if (!reach || sqlite3_step(reach.get()) != SQLITE_ROW ||
      sqlite3_column_type(reach.get(), 0) == SQLITE_NULL) {
    return std::nullopt;
  }
  return sources::WtmpdbSeconds(sqlite3_column_int64(reach.get(), 0));
}

}  // namespace orvanta::platform
