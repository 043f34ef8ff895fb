#pragma once

#include <cstdint>
#include <string>

#include "history/local_zone.h"
#include "history/power_history.h"
#include "history/runs.h"
#include "history/timeline_days.h"

namespace orvanta::present {

// What the timeline's tips read from: the runs with their users, their power history, the
// instant the rows end at (UTC seconds) and the zone they were split in.
struct TimelineTipSource {
  const history::RunList& Runs;
  const history::PowerHistory& Power;
  std::int64_t Until = 0;
  const history::ZoneOffset& Zone;
};

// The tip of a block: its kind, start and end to the minute, its length, and the user (time
// awake) or the wake source and whether a person stayed (sleeps). Lines end in '\n' but the last.
std::string TimelinePieceTip(const TimelineTipSource& source, const history::TimelinePiece& piece);
// The tip of a mark: an unexpected end and how it was found, or a wake nobody stayed for.
std::string TimelineMarkTip(const TimelineTipSource& source, const history::TimelineMark& mark);

}  // namespace orvanta::present
