#pragma once

#include "history/local_time.h"
#include "history/runs.h"
#include "support/fakes.h"

namespace orvanta::present {

// A local time of the tests (offset 0).
inline history::DateTime At(int y, int mo, int d, int h, int mi = 0, int s = 0) {
  return history::EventTimeToDateTime(testsupport::UnixTime(y, mo, d, h, mi, s), 0);
}

inline history::RunRecord MakeRun(history::DateTime boot, history::DateTime shutdown,
                                  std::string user = {}) {
  history::RunRecord run;
  run.BootTime = boot;
  run.ShutdownTime = shutdown;
  run.UserName = std::move(user);
  return run;
}

// The four runs of the run reconstruction example, as RebuildRuns leaves them.
inline history::RunList WorkedExampleRuns() {
  return {
      MakeRun(At(2024, 3, 10, 9), 0, "userA"),
      MakeRun(At(2024, 3, 9, 20), At(2024, 3, 9, 23, 30), "userB"),
      MakeRun(At(2024, 3, 8, 18), 0, "userA"),
      MakeRun(0, At(2024, 3, 7, 22)),
  };
}

}  // namespace orvanta::present
