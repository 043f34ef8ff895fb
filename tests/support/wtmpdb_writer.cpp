#include "support/wtmpdb_writer.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <utility>

namespace orvanta::testsupport {
namespace {

namespace fs = std::filesystem;

struct Closer {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, Closer>;

// Runs SQL on db; SQLite's message when it fails, empty when it ran.
std::string Run(sqlite3* db, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) {
    return {};
  }
  std::string problem = message != nullptr ? message : sqlite3_errmsg(db);
  sqlite3_free(message);
  return problem.empty() ? "failed" : problem;
}

Database Create(const std::string& path, std::string& problem) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    fs::remove(path + suffix);
  }
  sqlite3* opened = nullptr;
  const int result = sqlite3_open(path.c_str(), &opened);
  Database db(opened);
  if (result != SQLITE_OK) {
    problem = "cannot create " + path;
    return nullptr;
  }
  return db;
}

// Copies the file and one side file of a database that a writer still holds open, then lets
// the writer go and removes what it leaves.
std::string CopyWhileOpen(Database db, const std::string& from, const std::string& to,
                          const char* sideSuffix) {
  std::error_code error;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  if (!error) {
    fs::copy_file(from + sideSuffix, to + sideSuffix, fs::copy_options::overwrite_existing, error);
  }
  db.reset();
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    fs::remove(from + suffix);
  }
  return error ? "cannot copy " + from + ": " + error.message() : "";
}

}  // namespace

std::string WriteWtmpdb(const std::string& path, const std::string& sql) {
  std::string problem;
  Database db = Create(path, problem);
  return db ? Run(db.get(), sql) : problem;
}

std::string WriteWtmpdbRows(const std::string& path, const std::vector<WtmpdbRow>& rows) {
  std::string problem;
  Database db = Create(path, problem);
  if (!db) {
    return problem;
  }
  problem = Run(db.get(), std::string("PRAGMA synchronous=OFF;") + kWtmpdbTable + "BEGIN;");
  sqlite3_stmt* insert = nullptr;
  if (problem.empty() &&
      sqlite3_prepare_v2(db.get(),
                         "INSERT INTO wtmp(Type, User, Login, Logout) VALUES (?, ?, ?, ?)", -1,
                         &insert, nullptr) != SQLITE_OK) {
    problem = sqlite3_errmsg(db.get());
  }
  for (const WtmpdbRow& row : problem.empty() ? rows : std::vector<WtmpdbRow>{}) {
    sqlite3_reset(insert);
    sqlite3_bind_int64(insert, 1, row.Type);
    sqlite3_bind_text(insert, 2, row.User.data(), static_cast<int>(row.User.size()),
                      SQLITE_TRANSIENT);
    for (const auto& [column, time] : {std::pair{3, row.Login}, std::pair{4, row.Logout}}) {
      if (time) {
        sqlite3_bind_int64(insert, column, *time);
      } else {
        sqlite3_bind_null(insert, column);
      }
    }
    if (sqlite3_step(insert) != SQLITE_DONE) {
      problem = sqlite3_errmsg(db.get());
      break;
    }
  }
  sqlite3_finalize(insert);
  return problem.empty() ? Run(db.get(), "COMMIT;") : problem;
}

std::string RewriteWtmpdbSchema(const std::string& path, const std::string& type,
                                const std::string& sql) {
  sqlite3* opened = nullptr;
  sqlite3_open(path.c_str(), &opened);
  Database db(opened);
  sqlite3_stmt* update = nullptr;
  if (Run(db.get(), "PRAGMA writable_schema=ON;") != "" ||
      sqlite3_prepare_v2(db.get(), "UPDATE sqlite_master SET type = ?, sql = ? WHERE name = 'wtmp'",
                         -1, &update, nullptr) != SQLITE_OK) {
    return sqlite3_errmsg(db.get());
  }
  sqlite3_bind_text(update, 1, type.data(), static_cast<int>(type.size()), SQLITE_TRANSIENT);
  sqlite3_bind_text(update, 2, sql.data(), static_cast<int>(sql.size()), SQLITE_TRANSIENT);
  const int result = sqlite3_step(update);
  sqlite3_finalize(update);
  return result == SQLITE_DONE ? "" : sqlite3_errmsg(db.get());
}

std::string WriteWtmpdbWithLog(const std::string& path, const std::string& kept,
                               const std::string& logged) {
  const std::string writing = path + ".writing";
  std::string problem;
  Database db = Create(writing, problem);
  if (db) {
    problem = Run(db.get(), "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;" + kept +
                                "; PRAGMA wal_checkpoint(TRUNCATE);" + logged);
  }
  return problem.empty() ? CopyWhileOpen(std::move(db), writing, path, "-wal") : problem;
}

std::string WriteInterruptedWtmpdb(const std::string& path, const std::string& kept,
                                   const std::string& unfinished) {
  const std::string writing = path + ".writing";
  std::string problem;
  Database db = Create(writing, problem);
  if (db) {
    // A cache of one page makes the change spill into the file before it commits.
    problem = Run(db.get(), kept + "; PRAGMA cache_size=1; BEGIN;" + unfinished);
  }
  if (problem.empty() && !fs::exists(writing + "-journal")) {
    problem = "the change did not reach the file";
  }
  return problem.empty() ? CopyWhileOpen(std::move(db), writing, path, "-journal") : problem;
}

}  // namespace orvanta::testsupport
