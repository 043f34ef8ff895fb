#include "sources/event_list_history.h"

#include <gtest/gtest.h>

#include <array>

#include "sources/history_source.h"
#include "support/fakes.h"
#include "support/record_reading.h"

namespace orvanta::sources {
namespace {

using Kind = history::EventKind;

using testsupport::EventAt;

// Served newest first whatever order they came in; one second's events backwards in the order
// given; times far outside 32 bits kept as they are.
TEST(EventListHistory, ServesNewestFirst) {
  EventListHistory history({EventAt(Kind::Logon, 200, "ann"), EventAt(Kind::Boot, 100),
                            EventAt(Kind::CleanShutdown, 300), EventAt(Kind::Boot, 300),
                            EventAt(Kind::Boot, -5), EventAt(Kind::Boot, 1LL << 40)},
                           SleepRecords::Unknown);
  const std::vector<history::HistoryEvent> expected = {
      EventAt(Kind::Boot, 1LL << 40),   EventAt(Kind::Boot, 300), EventAt(Kind::CleanShutdown, 300),
      EventAt(Kind::Logon, 200, "ann"), EventAt(Kind::Boot, 100), EventAt(Kind::Boot, -5),
  };
  EXPECT_EQ(testsupport::ReadEvents(history), expected);
  EXPECT_EQ(testsupport::ReadEvents(history), expected);  // each read starts again
  EXPECT_FALSE(history.SleepKnown());
  EXPECT_TRUE(EventListHistory({}, SleepRecords::Known).SleepKnown());
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
