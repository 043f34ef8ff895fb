#include "platform/posix/wtmpdb_history.h"

#include <sqlite3.h>

#include <memory>

namespace orvanta::platform {
namespace {

constexpr int kBootRow = 1;
constexpr int kUserRow = 3;
constexpr const char* kRowsQuery = "SELECT Type, User, Login, Logout FROM wtmp ORDER BY Login";
constexpr const char* kReachQuery = "SELECT MIN(Login) FROM wtmp";

struct DatabaseCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementCloser {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementCloser>;

// Opens the database read-only and prepares a query; on failure says why.
bool Prepare(const std::string& path, const char* query, Database& db, Statement& statement,
             std::string& problem) {
  sqlite3* opened = nullptr;
  const int r = sqlite3_open_v2(path.c_str(), &opened, SQLITE_OPEN_READONLY, nullptr);
  db.reset(opened);
  if (r != SQLITE_OK) {
    problem = opened != nullptr ? sqlite3_errmsg(opened) : sqlite3_errstr(r);
    return false;
  }
  sqlite3_stmt* prepared = nullptr;
  if (sqlite3_prepare_v2(db.get(), query, -1, &prepared, nullptr) != SQLITE_OK) {
    problem = sqlite3_errmsg(db.get());
    return false;
  }
  statement.reset(prepared);
  return true;
}

std::int64_t Seconds(sqlite3_stmt* statement, int column) {
  const sqlite3_int64 microseconds = sqlite3_column_int64(statement, column);
  // Floor, so that a time before 1970 does not round towards it.
  return microseconds >= 0 ? microseconds / 1'000'000 : (microseconds + 1) / 1'000'000 - 1;
}

}  // namespace

GatheredHistory ReadWtmpdb(const std::string& path) {
  GatheredHistory history;
  Database db;
  Statement rows;
  if (!Prepare(path, kRowsQuery, db, rows, history.Problem)) {
    return history;
  }
  history.Opened = true;
  int r = SQLITE_ROW;
  while ((r = sqlite3_step(rows.get())) == SQLITE_ROW) {
    if (sqlite3_column_type(rows.get(), 2) == SQLITE_NULL) {
      continue;
    }
    const int type = sqlite3_column_int(rows.get(), 0);
    const std::int64_t login = Seconds(rows.get(), 2);
    if (type == kBootRow) {
      history.Events.push_back({sources::HistoryEventKind::Boot, login, {}});
      if (sqlite3_column_type(rows.get(), 3) != SQLITE_NULL) {
        history.Events.push_back(
            {sources::HistoryEventKind::CleanShutdown, Seconds(rows.get(), 3), {}});
      }
    } else if (type == kUserRow) {
      const auto* user = reinterpret_cast<const char*>(sqlite3_column_text(rows.get(), 1));
      if (user != nullptr) {
        history.Events.push_back({sources::HistoryEventKind::Login, login, user});
      }
    }
  }
  if (r != SQLITE_DONE) {
    history.Problem = sqlite3_errmsg(db.get());
  }
  return history;
}

std::optional<std::int64_t> WtmpdbReach(const std::string& path) {
  Database db;
  Statement reach;
  std::string problem;
  if (!Prepare(path, kReachQuery, db, reach, problem) || sqlite3_step(reach.get()) != SQLITE_ROW ||
      sqlite3_column_type(reach.get(), 0) == SQLITE_NULL) {
    return std::nullopt;
  }
  return Seconds(reach.get(), 0);
}

}  // namespace orvanta::platform
