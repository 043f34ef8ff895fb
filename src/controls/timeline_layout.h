#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "gfx/geometry.h"
#include "history/timeline_days.h"

namespace orvanta::controls {

// The timeline's fixed sizes, client pixels.
inline constexpr int kTimelineHeaderHeight = 20;
inline constexpr int kTimelineNoteHeight = 16;  // the line that says the log records no sleep
inline constexpr int kTimelineRowHeight = 20;
inline constexpr int kTimelineDateWidth = 118;
inline constexpr int kTimelineStripWidth = 408;  // 17 pixels an hour, whatever the window's width
inline constexpr int kTimelineAwakeWidth = 86;
inline constexpr int kTimelineBlockInset = 4;  // between a row's edges and its blocks

// Where the three columns sit across the client width: the date at the left, the awake time at
// the right, the strip centred in what lies between. Left and Right in client pixels.
struct TimelineColumns {
  int DateLeft = 0;
  int StripLeft = 0;
  int AwakeLeft = 0;
  int AwakeRight = 0;
};
TimelineColumns LayoutTimelineColumns(int clientWidth);

// The x of a wall-clock time (seconds after midnight, 0 to 86400) on the strip.
int TimelineX(const TimelineColumns& columns, std::int32_t wallSeconds);

// The scroll state and sizes that place the rows.
struct TimelineGeometry {
  TimelineColumns Columns;
  int BodyTop = kTimelineHeaderHeight;  // below the header (and the note)
  std::size_t TopRow = 0;
};

gfx::Rect TimelineRowRect(const TimelineGeometry& g, std::size_t row, int clientWidth);
// A piece's block: at least one pixel wide, inset from the row's top and bottom.
gfx::Rect TimelineBlockRect(const TimelineGeometry& g, std::size_t row,
                            const history::TimelinePiece& piece);
// A mark's tick: three pixels wide around its time, the row's full inner height.
gfx::Rect TimelineMarkRect(const TimelineGeometry& g, std::size_t row,
                           const history::TimelineMark& mark);

// What lies under a point: a mark (ticks win, they are thin) or a piece, by index into the
// rows' flat arrays.
struct TimelineHit {
  enum class What : std::uint8_t { Piece, Mark };
  What Kind = What::Piece;
  std::size_t Row = 0;
  std::size_t Index = 0;

  friend bool operator==(const TimelineHit&, const TimelineHit&) = default;
};
std::optional<TimelineHit> TimelineHitAt(const TimelineGeometry& g,
                                         const history::TimelineRows& rows, gfx::Point p);

}  // namespace orvanta::controls
