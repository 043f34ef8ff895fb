#include "sources/event_list_log.h"

#include <gtest/gtest.h>

#include <array>

#include "history/event_record.h"
#include "history/sid.h"
#include "sources/history_source.h"
#include "sources/logged_user_directory.h"
#include "support/record_reading.h"

namespace orvanta::sources {
namespace {

using Kind = HistoryEventKind;

// Served newest first whatever order they came in; one second's events backwards in the order
// given; a login carries its user's SID, boots and shutdowns none; times outside the record's
// range are held to it.
TEST(EventListLog, ServesNewestFirstAsEventRecords) {
  struct Expected {
    std::uint32_t EventId;
    std::uint32_t Time;
    bool HasSid;
  };
  LoggedUserDirectory users;
  EventListLog log({{Kind::Login, 200, "ann"},
                    {Kind::Boot, 100, {}},
                    {Kind::CleanShutdown, 300, {}},
                    {Kind::Boot, 300, {}},
                    {Kind::Boot, -5, {}},
                    {Kind::Boot, 1LL << 40, {}}},
                   users);
  const std::array<Expected, 6> expected{{
      {0x80001775, 0xFFFFFFFF, false},
      {0x80001775, 300, false},
      {0x80001776, 300, false},
      {0x40001B7B, 200, true},
      {0x80001775, 100, false},
      {0x80001775, 0, false},
  }};
  const auto records = testsupport::ReadRecords(log);
  ASSERT_EQ(records.size(), expected.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto record = history::EventRecordView::Parse(records[i]);
    ASSERT_TRUE(record) << i;
    EXPECT_EQ(record->EventId(), expected[i].EventId) << i;
    EXPECT_EQ(record->TimeGenerated(), expected[i].Time) << i;
    EXPECT_EQ(record->UserSid().empty(), !expected[i].HasSid) << i;
  }
  const auto sid = history::ParseSid(history::EventRecordView::Parse(records[3])->UserSid());
  ASSERT_TRUE(sid);
  EXPECT_EQ(users.NameOf(sid->SubAuthorities[1]), "ann");
}

TEST(HistorySource, TheOneReachingFurthestBackIsChosen) {
  using S = HistorySource;
  struct Case {
    std::array<SourceReach, 3> Reaches;
    S Chosen;
  };
  const std::array<Case, 5> cases{{
      {{{{S::Wtmpdb, 500}, {S::Wtmp, 100}, {S::Journal, 300}}}, S::Wtmp},
      {{{{S::Wtmpdb, {}}, {S::Wtmp, {}}, {S::Journal, 300}}}, S::Journal},
      {{{{S::Wtmpdb, 100}, {S::Wtmp, 100}, {S::Journal, 100}}}, S::Wtmpdb},
      {{{{S::Wtmpdb, {}}, {S::Wtmp, {}}, {S::Journal, {}}}}, S::Wtmp},
      {{{{S::Wtmpdb, -10}, {S::Wtmp, {}}, {S::Journal, 0}}}, S::Wtmpdb},
  }};
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseHistorySource(c.Reaches), c.Chosen);
  }
}

}  // namespace
}  // namespace orvanta::sources
