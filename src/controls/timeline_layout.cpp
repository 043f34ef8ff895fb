#include "controls/timeline_layout.h"

#include <algorithm>

namespace orvanta::controls {

TimelineColumns LayoutTimelineColumns(int clientWidth) {
  constexpr int kGap = 8;
  const int spare = clientWidth - kTimelineDateWidth - kTimelineStripWidth - kTimelineAwakeWidth;
  TimelineColumns c;
  c.StripLeft = kTimelineDateWidth + std::max(kGap, spare / 2);
  c.AwakeLeft = c.StripLeft + kTimelineStripWidth + kGap;
  c.AwakeRight = std::max(clientWidth, c.AwakeLeft + kTimelineAwakeWidth);
  return c;
}

int TimelineX(const TimelineColumns& columns, std::int32_t wallSeconds) {
  const std::int64_t wall = std::clamp<std::int64_t>(wallSeconds, 0, history::kDaySeconds);
  return columns.StripLeft + static_cast<int>(wall * kTimelineStripWidth / history::kDaySeconds);
}

gfx::Rect TimelineRowRect(const TimelineGeometry& g, std::size_t row, int clientWidth) {
  const int top =
      g.BodyTop + (static_cast<int>(row) - static_cast<int>(g.TopRow)) * kTimelineRowHeight;
  return {0, top, clientWidth, top + kTimelineRowHeight};
}

gfx::Rect TimelineBlockRect(const TimelineGeometry& g, std::size_t row,
                            const history::TimelinePiece& piece) {
  const gfx::Rect r = TimelineRowRect(g, row, 0);
  const int left = TimelineX(g.Columns, piece.From);
  const int right = std::max(TimelineX(g.Columns, piece.To), left + 1);
  return {left, r.Top + kTimelineBlockInset, right, r.Bottom - kTimelineBlockInset};
}

gfx::Rect TimelineMarkRect(const TimelineGeometry& g, std::size_t row,
                           const history::TimelineMark& mark) {
  const gfx::Rect r = TimelineRowRect(g, row, 0);
  const int x = TimelineX(g.Columns, mark.At);
  return {x - 1, r.Top + 2, x + 2, r.Bottom - 2};
}

std::optional<TimelineHit> TimelineHitAt(const TimelineGeometry& g,
                                         const history::TimelineRows& rows, gfx::Point p) {
  if (p.Y < g.BodyTop) {
    return std::nullopt;
  }
  const std::size_t row =
      g.TopRow + static_cast<std::size_t>((p.Y - g.BodyTop) / kTimelineRowHeight);
  if (row >= rows.Days.size()) {
    return std::nullopt;
  }
  const history::TimelineDay& day = rows.Days[row];
  for (std::size_t i = 0; i < day.MarkCount; ++i) {
    if (TimelineMarkRect(g, row, rows.Marks[day.FirstMark + i]).Contains(p)) {
      return TimelineHit{TimelineHit::What::Mark, row, day.FirstMark + i};
    }
  }
  for (std::size_t i = 0; i < day.PieceCount; ++i) {
    if (TimelineBlockRect(g, row, rows.Pieces[day.FirstPiece + i]).Contains(p)) {
      return TimelineHit{TimelineHit::What::Piece, row, day.FirstPiece + i};
    }
  }
  return std::nullopt;
}

}  // namespace orvanta::controls
