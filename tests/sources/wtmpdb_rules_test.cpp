// The rules that decide how a login database is opened and whether its schema is read.
#include "sources/wtmpdb_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <tuple>
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

// A boot row is a boot and, with a logout, a clean shutdown; a user row a logon; times are
// floored to seconds, before 1970 too; rows without a login time or user, and other types, none.
TEST(WtmpdbRules, RowsBecomeTheirEvents) {
  using Kind = history::EventKind;
  const std::vector<WtmpdbRow> rows = {
      {1, std::nullopt, 5'000'000, std::nullopt},
      {1, "reboot", 7'900'000, 9'000'000},
      {3, "ann", -1, std::nullopt},
      {3, std::nullopt, 12'000'000, std::nullopt},
      {1, std::nullopt, std::nullopt, 13'000'000},
      {2, "bo", 14'000'000, 15'000'000},
  };
  std::vector<history::HistoryEvent> events;
  for (const WtmpdbRow& row : rows) {
    AppendWtmpdbEvents(row, events);
  }
  const std::vector<std::tuple<Kind, std::int64_t, std::string>> expected = {
      {Kind::Boot, 5, ""},
      {Kind::Boot, 7, ""},
      {Kind::CleanShutdown, 9, ""},
      {Kind::Logon, -1, "ann"}};
  std::vector<std::tuple<Kind, std::int64_t, std::string>> got;
  for (const history::HistoryEvent& event : events) {
    got.emplace_back(event.Kind, event.Seconds, event.User);
  }
  EXPECT_EQ(got, expected);
}

}  // namespace
}  // namespace orvanta::sources
