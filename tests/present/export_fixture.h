#pragma once

#include <cstdint>

#include "present/run_fixtures.h"
#include "present/run_list.h"
#include "present/run_refresh.h"

namespace orvanta::present {

// User names a hostile file may carry: CSV's separators, quote and line ends, control
// characters, and bytes that are no UTF-8 (a stray FF, an overlong '/', a cut-off sequence).
inline constexpr const char* kCommaQuoteNewlineUser = "ann, \"the\nadmin\"";
inline constexpr const char* kControlAndBadUtf8User = "b\x01\t\\\xFF\xC0\xAFz\xE6\x97";
// The second as RepairUtf8 gives it back.
inline constexpr const char* kControlAndBadUtf8Repaired =
    "b\x01\t\\\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz\xEF\xBF\xBD";

// The worked example's four runs, the two logged-in users named as above, filled into the
// refresh's run list as the Refresh command leaves them.
inline void FillHostileExample(RunRefresh& refresh) {
  refresh.Runs = WorkedExampleRuns();
  refresh.Runs[0].UserName = kCommaQuoteNewlineUser;
  refresh.Runs[1].UserName = kControlAndBadUtf8User;
  FillRunList(refresh.Runs, refresh.UiLWMsg, refresh.TotalRunSeconds);
}

}  // namespace orvanta::present
