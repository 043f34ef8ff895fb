// The rules that decide how a login database is opened and whether its schema is read.
#include "sources/wtmpdb_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

namespace orvanta::sources {
namespace {

std::vector<std::uint8_t> Header(std::uint8_t version) {
  std::vector<std::uint8_t> header(100);
  header[18] = version;
  header[19] = version;
  return header;
}

TEST(WtmpdbRules, OpeningCreatesNoSideFile) {
  constexpr const char* kLogNote = "changes still in its write-ahead log were not read";
  struct Case {
    std::uint8_t Version;
    bool Log;
    bool Index;
    WtmpdbAccess Access;
    const char* Note;
  };
  constexpr std::array<Case, 6> cases{{
      {1, false, false, WtmpdbAccess::Shared, ""},
      {1, true, false, WtmpdbAccess::Shared, ""},
      {2, true, true, WtmpdbAccess::Shared, ""},
      {2, true, false, WtmpdbAccess::Immutable, kLogNote},
      {2, false, true, WtmpdbAccess::Immutable, ""},
      {2, false, false, WtmpdbAccess::Immutable, ""},
  }};
  for (const Case& c : cases) {
    const WtmpdbOpening opening = ChooseWtmpdbOpening(Header(c.Version), c.Log, c.Index);
    EXPECT_EQ(opening.Access, c.Access) << int{c.Version} << c.Log << c.Index;
    EXPECT_EQ(opening.Note, c.Note) << int{c.Version} << c.Log << c.Index;
  }
  EXPECT_EQ(ChooseWtmpdbOpening({}, true, false).Access, WtmpdbAccess::Shared);
  EXPECT_EQ(WtmpdbFallbackOpening(Header(2)).Note, kLogNote);
  EXPECT_EQ(WtmpdbFallbackOpening(Header(1)).Access, WtmpdbAccess::Immutable);
}

TEST(WtmpdbRules, OnlyAPlainTableWithStoredColumnsIsALoginTable) {
  struct Case {
    const char* Type;
    const char* Sql;
    bool Plain;
  };
  constexpr std::array<Case, 5> cases{{
      {"table", "CREATE TABLE wtmp(Type)", true},
      {"table", "CREATE TABLE virtually(Type)", true},
      {"view", "CREATE VIEW wtmp AS SELECT 1", false},
      {"table", " create\n\tVirtual  TABLE wtmp USING fts4(x)", false},
      {"index", "CREATE INDEX wtmp ON t(x)", false},
  }};
  for (const Case& c : cases) {
    EXPECT_EQ(WtmpdbTableProblem(c.Type, c.Sql).empty(), c.Plain) << c.Sql;
  }
  std::vector<WtmpdbColumn> columns{{"ID"}, {"type"}, {"USER"}, {"Login"}, {"Logout"}};
  EXPECT_EQ(WtmpdbColumnsProblem(columns), "");
  columns[3].Generated = true;
  EXPECT_EQ(WtmpdbColumnsProblem(columns), "not a login database");
  columns.pop_back();
  columns[3].Generated = false;
  EXPECT_EQ(WtmpdbColumnsProblem(columns), "not a login database");
}

TEST(WtmpdbRules, TheStepBudgetGrowsWithTheSizeAndSaturates) {
  EXPECT_EQ(WtmpdbStepBudget(4096, {1000, 64}), 1000 + 4096 * 64);
  EXPECT_EQ(WtmpdbStepBudget(std::numeric_limits<std::uint64_t>::max(), {1000, 64}),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(WtmpdbStepBudget(4096, {-5, -1}), 0);
}

}  // namespace
}  // namespace orvanta::sources
