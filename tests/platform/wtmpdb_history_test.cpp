// Login databases as attackers and stopped writers leave them: only a plain wtmp table is
// read, within bounded work, and reading one writes nothing beside it.
#include "platform/posix/wtmpdb_history.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "platform/posix/history_open.h"
#include "support/gathered_problem.h"
#include "support/wtmpdb_writer.h"

namespace orvanta::platform {
namespace {

namespace fs = std::filesystem;
using testsupport::kWtmpdbTable;

constexpr const char* kNotLoginDatabase = "not a login database";
constexpr const char* kTwoRows =
    "INSERT INTO wtmp(Type, User, Login) VALUES (1, 'reboot', 1000000000), (3, 'ann', 1100000000);";
constexpr const char* kManyRows =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000)"
    " INSERT INTO wtmp(Type, User, Login) SELECT 3, 'u' || i, 2000000000 + i FROM n;";

std::string Problem(const sources::GatheredEvents& history) {
  return testsupport::GatheredProblem(history);
}

struct Scratch {
  Scratch() : Dir(fs::temp_directory_path() / ("orvanta-wtmpdb-" + std::to_string(getpid()))) {
    fs::remove_all(Dir);
    fs::create_directories(Dir);
  }
  ~Scratch() { fs::remove_all(Dir); }
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Dir)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }
  fs::path Dir;
};

// Tables that are not plain, and values too long: refused, or read up to the bad row.
TEST(WtmpdbHostile, OnlyAPlainTableIsReadAndLongValuesStopTheReading) {
  struct Case {
    const char* Name;
    std::string Sql;
    const char* Problem;
    std::size_t Events;  // read before the problem; opened only when the problem is a note
  };
  const std::array<Case, 6> cases{{
      {"view", "CREATE VIEW wtmp AS SELECT 1 AS Type, 'a' AS User, 1 AS Login, 2 AS Logout;",
       kNotLoginDatabase, 0},
      {"endless view",
       "CREATE VIEW wtmp AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n)"
       " SELECT 1 AS Type, 'a' AS User, i AS Login, NULL AS Logout FROM n ORDER BY i DESC;",
       kNotLoginDatabase, 0},
      {"virtual table", "CREATE VIRTUAL TABLE wtmp USING fts4(Type, User, Login, Logout);",
       kNotLoginDatabase, 0},
      {"computed login",
       "CREATE TABLE wtmp(Type INTEGER, User TEXT, Login INTEGER AS (length(User)),"
       " Logout INTEGER);",
       kNotLoginDatabase, 0},
      {"no logout column", "CREATE TABLE wtmp(Type INTEGER, User TEXT, Login INTEGER);",
       kNotLoginDatabase, 0},
      {"long user",
       std::string(kWtmpdbTable) + kTwoRows +
           "INSERT INTO wtmp(Type, User, Login) VALUES"
           " (3, replace(hex(zeroblob(40000)), '0', 'x'), 1200000000), (3, 'bob', 1300000000);",
       "a value longer than 65536 bytes", 2},
  }};
  Scratch scratch;
  // A name with the bytes a URI reserves, so that escaping it is tested too.
  const std::string path = (scratch.Dir / "wtmp ?#%25\xC3\xA9.db").string();
  for (const Case& c : cases) {
    ASSERT_EQ(testsupport::WriteWtmpdb(path, c.Sql), "") << c.Name;
    sources::GatheredEvents history = ReadWtmpdb(path);
    EXPECT_EQ(Problem(history), c.Problem) << c.Name;
    EXPECT_EQ(history.Ok(), c.Events > 0) << c.Name;
    EXPECT_EQ(history.Value.size(), c.Events) << c.Name;
    EXPECT_EQ(WtmpdbReach(path).has_value(), c.Events > 0) << c.Name;
  }
}

TEST(WtmpdbHostile, WorkBeyondTheBudgetGivesUpWithAReason) {
  Scratch scratch;
  const std::string path = (scratch.Dir / "wtmp.db").string();
  ASSERT_EQ(testsupport::WriteWtmpdb(path, std::string(kWtmpdbTable) + kManyRows), "");
  EXPECT_EQ(ReadWtmpdb(path).Value.size(), 3000U);
  sources::GatheredEvents history = ReadWtmpdb(path, {std::chrono::milliseconds(0), {0, 0}});
  EXPECT_EQ(Problem(history), "gave up: reading it took more work than its size needs");
  EXPECT_LT(history.Value.size(), 3000U);
  EXPECT_FALSE(WtmpdbReach(path, {std::chrono::milliseconds(0), {0, 0}}));
}

// Side files as stopped and running writers leave them: read without creating any file, with
// a note of what that leaves unread.
TEST(WtmpdbSideFiles, ReadWithoutWritingAndSayWhatWasLeftUnread) {
  Scratch scratch;
  const std::string path = (scratch.Dir / "wtmp.db").string();
  const std::string kept = std::string(kWtmpdbTable) + kTwoRows;
  struct Case {
    const char* Name;
    std::string Written;
    std::size_t Events;
    const char* Note;
  };
  const std::array<Case, 2> cases{{
      {"log without index", testsupport::WriteWtmpdbWithLog(path + "1", kept, kManyRows), 2,
       "changes still in its write-ahead log were not read"},
      {"interrupted change", testsupport::WriteInterruptedWtmpdb(path + "2", kept, kManyRows), 2,
       "an interrupted change was not rolled back: read as the file stands"},
  }};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    ASSERT_EQ(c.Written, "") << c.Name;
    const std::set<std::string> before = scratch.Names();
    sources::OpenedLog opened = OpenHistory({path + std::to_string(i + 1), {}});
    EXPECT_EQ(opened.Error, "") << c.Name;
    EXPECT_EQ(opened.Note, c.Note) << c.Name;
    sources::GatheredEvents history = ReadWtmpdb(path + std::to_string(i + 1));
    EXPECT_EQ(history.Value.size(), c.Events) << c.Name;
    EXPECT_EQ(scratch.Names(), before) << c.Name;
  }
}

struct Writer {
  explicit Writer(const std::string& path) { sqlite3_open(path.c_str(), &Db); }
  ~Writer() { sqlite3_close(Db); }
  void Run(const char* sql) { ASSERT_EQ(sqlite3_exec(Db, sql, nullptr, nullptr, nullptr), 0); }
  sqlite3* Db = nullptr;
};

// A running writer in write-ahead-log mode: its committed rows are read, nothing is created.
TEST(WtmpdbSideFiles, ARunningWritersLogIsRead) {
  Scratch scratch;
  const std::string path = (scratch.Dir / "wtmp.db").string();
  ASSERT_EQ(testsupport::WriteWtmpdb(path, std::string(kWtmpdbTable) + kTwoRows), "");
  Writer writer(path);
  writer.Run("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;");
  writer.Run(kManyRows);
  const std::set<std::string> before = scratch.Names();
  sources::GatheredEvents history = ReadWtmpdb(path);
  EXPECT_EQ(Problem(history), "");
  EXPECT_EQ(history.Note, "");
  EXPECT_EQ(history.Value.size(), 3002U);
  EXPECT_EQ(scratch.Names(), before);
}

// A writer's lock is waited for; one held longer than the wait is named as the reason.
TEST(WtmpdbSideFiles, ALockIsWaitedForThenNamed) {
  Scratch scratch;
  const std::string path = (scratch.Dir / "wtmp.db").string();
  ASSERT_EQ(testsupport::WriteWtmpdb(path, std::string(kWtmpdbTable) + kTwoRows), "");
  EXPECT_EQ(WtmpdbBounds{}.LockWait, std::chrono::seconds(2));
  Writer writer(path);
  writer.Run("BEGIN EXCLUSIVE;");
  sources::GatheredEvents locked = ReadWtmpdb(path, {std::chrono::milliseconds(100), {}});
  EXPECT_FALSE(locked.Ok());
  EXPECT_EQ(Problem(locked), "locked by another program writing to it (waited 100 ms)");

  std::thread release([&writer] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    writer.Run("COMMIT;");
  });
  sources::GatheredEvents waited = ReadWtmpdb(path);
  release.join();
  EXPECT_EQ(Problem(waited), "");
  EXPECT_EQ(waited.Value.size(), 2U);
}

}  // namespace
}  // namespace orvanta::platform
