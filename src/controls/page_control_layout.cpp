#include "controls/page_control_layout.h"

#include <algorithm>

namespace orvanta::controls {

gfx::Size TabSize(gfx::Size caption, gfx::Size minimum) {
  return {std::max(caption.Width, minimum.Width) + kTabPadWidth,
          std::max(caption.Height, minimum.Height) + kTabPadHeight};
}

std::vector<gfx::Rect> TabRects(std::span<const gfx::Size> sizes, int rowHeight, int controlWidth,
                                int margin, int overlap) {
  std::vector<gfx::Rect> rects;
  rects.reserve(sizes.size());
  const int widest = std::max(controlWidth - 4, 1);
  int left = kFirstTabLeft + margin;
  for (const gfx::Size& size : sizes) {
    const int width = std::min(size.Width, widest);
    rects.push_back({left, kTabStripTop, left + width, kTabStripTop + rowHeight});
    left += width - overlap + 1;
  }
  return rects;
}

gfx::Rect DrawnTabRect(const gfx::Rect& tab, TabState state) {
  if (state == TabState::Unselected) {
    return tab;
  }
  return {tab.Left - kSelectedGrowth, tab.Top - kSelectedGrowth, tab.Right + kSelectedGrowth,
          tab.Bottom};
}

std::array<gfx::Point, 6> TabShape(const gfx::Rect& r) {
  return {{{r.Left, r.Bottom},
           {r.Left, r.Top + 2},
           {r.Left + 2, r.Top},
           {r.Right - 2, r.Top},
           {r.Right, r.Top + 2},
           {r.Right, r.Bottom}}};
}

gfx::Rect CardRect(gfx::Size control, int stripHeight) {
  return {0, stripHeight, control.Width - 1, control.Height - 1};
}

gfx::Rect PageArea(gfx::Size control, int stripHeight) {
  const gfx::Rect card = CardRect(control, stripHeight);
  return {card.Left + 1, card.Top + 1, card.Right - kShadowWidth, card.Bottom - kShadowWidth};
}

}  // namespace orvanta::controls
