#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvanta::testsupport {

// The login table as the login database keeps it.
inline constexpr const char* kWtmpdbTable =
    "CREATE TABLE wtmp(ID INTEGER PRIMARY KEY, Type INTEGER, User TEXT NOT NULL, Login INTEGER,"
    " Logout INTEGER, TTY TEXT, RemoteHost TEXT, Service TEXT);";

// Writes the database path from SQL; SQLite's message when it fails, empty when written.
std::string WriteWtmpdb(const std::string& path, const std::string& sql);

// One row of the login table: times in microseconds since 1970.
struct WtmpdbRow {
  std::int64_t Type = 0;
  std::string User;
  std::optional<std::int64_t> Login;
  std::optional<std::int64_t> Logout;
};

// Writes the login table holding rows, bound as values whatever bytes they hold.
std::string WriteWtmpdbRows(const std::string& path, const std::vector<WtmpdbRow>& rows);

// Makes the schema entry of wtmp claim to be `type` defined by `sql` whatever the table holds,
// as a hostile file can.
std::string RewriteWtmpdbSchema(const std::string& path, const std::string& type,
                                const std::string& sql);

// A database in write-ahead-log mode as a machine that stopped leaves it: `kept` is in the
// file, `logged` only in the log beside it, and the log's index is gone.
std::string WriteWtmpdbWithLog(const std::string& path, const std::string& kept,
                               const std::string& logged);

// A database as a writer that stopped during `unfinished` leaves it: `kept` committed, part of
// the unfinished change written into the file, and the journal that undoes it beside it.
std::string WriteInterruptedWtmpdb(const std::string& path, const std::string& kept,
                                   const std::string& unfinished);

}  // namespace orvanta::testsupport
