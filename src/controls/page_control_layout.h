#pragma once

#include <array>
#include <span>
#include <vector>

#include "gfx/geometry.h"

namespace orvanta::controls {

// The geometry of a page control with one row of rounded-corner tabs on top, in the control's
// client pixels.
inline constexpr int kTabStripTop = 3;     // tabs stand this far below the top edge
inline constexpr int kFirstTabLeft = 2;    // room for the selected tab's enlargement
inline constexpr int kTabPadWidth = 16;    // added to the caption's width
inline constexpr int kTabPadHeight = 6;    // added to the caption's height
inline constexpr int kSelectedGrowth = 2;  // the selected tab widens and rises by this
inline constexpr int kShadowWidth = 2;     // right and bottom columns of the card's shadow

// A tab's size from its caption's measured size; the caption counts as at least `minimum`
// (the width of "AAA" and the font's pixel height).
gfx::Size TabSize(gfx::Size caption, gfx::Size minimum);

// The tab rectangles of one row, left to right: from kFirstTabLeft + margin, each next one
// starting at the previous right edge - overlap + 1, all rowHeight high from kTabStripTop. A
// tab is never wider than the control's width - 4.
std::vector<gfx::Rect> TabRects(std::span<const gfx::Size> sizes, int rowHeight, int controlWidth,
                                int margin = 0, int overlap = -1);

// The tab strip's height: the tabs' top offset and the row.
constexpr int TabStripHeight(int rowHeight) {
  return kTabStripTop + rowHeight;
}

enum class TabState { Unselected, Selected };

// The selected tab is drawn widened on both sides and raised.
gfx::Rect DrawnTabRect(const gfx::Rect& tab, TabState state);

// The tab's outline: straight sides with the two top corners cut off by 2 pixels; the
// clipping region of everything drawn in it, and its hit area.
std::array<gfx::Point, 6> TabShape(const gfx::Rect& drawn);

// The card below the strip, its shadow columns included, and the area its pages fill: the
// card less its frame on the left and top and the frame and shadow on the right and bottom.
gfx::Rect CardRect(gfx::Size control, int stripHeight);
gfx::Rect PageArea(gfx::Size control, int stripHeight);

}  // namespace orvanta::controls
