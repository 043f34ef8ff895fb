// Painting of the page control: the background, the tabs from the last to the first with the
// selected one on top, then the card with its frame and shadow.
#include <algorithm>
#include <string_view>
#include <vector>

#include "controls/color_math.h"
#include "controls/color_ramp.h"
#include "controls/page_control.h"
#include "gfx/region.h"

namespace orvanta::controls {

namespace {

constexpr int kHotBarHeight = 6;  // rows of the bar along a tab's top, outline-free fill: 5
constexpr int kShadowInnerWeight = 30;
constexpr int kShadowOuterWeight = 15;
constexpr int kComplementLightness = 140;
constexpr int kCaptionInsetX = 5;
constexpr int kCaptionInsetY = 3;

std::vector<std::string_view> CaptionLines(std::string_view caption) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = caption.find('\n', start);
    std::string_view line =
        caption.substr(start, end == std::string_view::npos ? end : end - start);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.push_back(line);
    if (end == std::string_view::npos) {
      return lines;
    }
    start = end + 1;
  }
}

// Where a line or a block goes along one axis of the caption rectangle.
enum class Place { Start, Middle, End };

constexpr Place PlaceOf(ui::Alignment alignment) {
  return alignment == ui::Alignment::Left     ? Place::Start
         : alignment == ui::Alignment::Center ? Place::Middle
                                              : Place::End;
}

constexpr Place PlaceOf(ui::TextLayout layout) {
  return layout == ui::TextLayout::Top      ? Place::Start
         : layout == ui::TextLayout::Center ? Place::Middle
                                            : Place::End;
}

int PlacedStart(int first, int room, int extent, Place place) {
  switch (place) {
    case Place::Middle:
      return first + (room - extent) / 2;
    case Place::End:
      return first + room - extent;
    case Place::Start:
      break;
  }
  return first;
}

}  // namespace

gfx::Color TUiPageControl::OutlineColor(const gfx::SystemPalette& palette) const {
  return AdjustFlatColor(m_flatColor, m_flatColorAdjustment, palette);
}

void TUiPageControl::Paint(gfx::Canvas& canvas) {
  canvas.FillRect(ClientRect(), BackgroundColor());
  for (int i = static_cast<int>(m_tabs.size()) - 1; i >= 0; --i) {
    if (i != m_tabIndex && Page(i).TabVisible()) {
      PaintTab(canvas, i);
    }
  }
  if (m_tabIndex >= 0 && m_tabIndex < static_cast<int>(m_tabs.size()) &&
      Page(m_tabIndex).TabVisible()) {
    PaintTab(canvas, m_tabIndex);
  }
  PaintCard(canvas);
}

void TUiPageControl::PaintTab(gfx::Canvas& canvas, int index) {
  const bool selected = index == m_tabIndex;
  const gfx::Rect drawn = DrawnTabRect(TabRect(index), StateOf(index));
  const auto shape = TabShape(drawn);
  const gfx::SystemPalette& palette = canvas.Palette();
  {
    gfx::CanvasStateSaver saver(canvas);
    canvas.IntersectClipRegion(gfx::Region::FromPolygon(shape));
    if (selected) {
      canvas.FillRect(drawn, Color());
    } else if (m_useGradients && palette.FullColor) {
      FillVerticalRamp(canvas, drawn, m_tabColors.Unselected, m_tabColors.Shadow);
    } else {
      canvas.FillRect(drawn, m_tabColors.Unselected);
    }
    // The bar along the top: the hot tab's in the hot-track colour, the selected tab's in the
    // highlight-bar colour, both only while hot tracking is on.
    const bool hot = m_hotTrack && index == m_hotTab;
    gfx::Color textColor = hot || selected ? m_textColors.Selected : m_textColors.Unselected;
    if (m_hotTrack && (hot || selected)) {
      gfx::Color bar = m_tabColors.HighlightBar;
      if (hot) {
        bar = m_hotTrackColorType == htctComplement
                  ? ComplementaryColor(m_hotTrackColor, kComplementLightness, palette)
                  : m_hotTrackColor;
      }
      const gfx::Rect band = drawn.Inflate(1, 1);
      canvas.FillRect({band.Left, band.Top, band.Right, band.Top + kHotBarHeight - 1}, bar);
    }
    const gfx::Rect text = drawn.Inflate(-kCaptionInsetX, -kCaptionInsetY);
    if (selected && m_boldCurrentTab) {
      gfx::Font bold = Font();
      bold.Bold = true;
      canvas.SetFont(bold);
    }
    if (!Page(index).TabEnabled()) {
      PaintCaption(canvas, index, text.Offset(1, 1), m_textColors.DisabledHighlight);
      textColor = m_textColors.DisabledShadow;
    }
    PaintCaption(canvas, index, text, textColor);
    if (selected && m_showFocusRect && Focused()) {
      canvas.DrawFocusRect({text.Left - 1, text.Top + 1, text.Right + 1, text.Bottom + 1});
    }
  }
  // The outline's right side is the last column the tab fills; its bottom is the card's top.
  const gfx::Point path[] = {{drawn.Left, drawn.Bottom},       {drawn.Left, drawn.Top + 2},
                             {drawn.Left + 2, drawn.Top},      {drawn.Right - 3, drawn.Top},
                             {drawn.Right - 1, drawn.Top + 2}, {drawn.Right - 1, drawn.Bottom}};
  canvas.SetPen({OutlineColor(palette), 1, gfx::PenStyle::Solid});
  canvas.Polyline(path);
}

void TUiPageControl::PaintCaption(gfx::Canvas& canvas, int index, const gfx::Rect& box,
                                  gfx::Color color) {
  const std::vector<std::string_view> lines = CaptionLines(Page(index).Caption());
  std::vector<gfx::Size> sizes;
  int blockHeight = 0;
  for (std::string_view line : lines) {
    gfx::Rect measure{0, 0, 0, 0};
    if (!line.empty()) {
      canvas.DrawText(line, measure, gfx::kDtSingleLine | gfx::kDtCalcRect);
    }
    const int height = line.empty() ? canvas.GetTextMetrics().Height : measure.Height();
    sizes.push_back({measure.Width(), height});
    blockHeight += height;
  }
  int y = PlacedStart(box.Top, box.Height(), blockHeight, PlaceOf(m_textLayout));
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  canvas.SetTextColor(color);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int x = PlacedStart(box.Left, box.Width(), sizes[i].Width, PlaceOf(m_textAlignment));
    gfx::Rect line = gfx::Rect::FromSize(x, y, sizes[i].Width, sizes[i].Height);
    if (!lines[i].empty()) {
      canvas.DrawText(lines[i], line, gfx::kDtSingleLine | gfx::kDtNoClip);
    }
    y += sizes[i].Height;
  }
}

void TUiPageControl::PaintCard(gfx::Canvas& canvas) {
  const gfx::Size size{Width(), Height()};
  gfx::Rect card = CardRect(size, StripHeight());
  if (!m_showShadow) {
    card = {card.Left, card.Top, size.Width, size.Height};
  }
  if (card.IsEmpty()) {
    return;
  }
  canvas.FillRect(card, Color());
  const int shadow = m_showShadow ? kShadowWidth : 0;
  const int right = size.Width - 1 - shadow;
  const int bottom = size.Height - 1 - shadow;
  const int top = card.Top;
  if (m_showCardFrame) {
    const gfx::Color outline = OutlineColor(canvas.Palette());
    auto line = [&](int x1, int y1, int x2, int y2) {
      canvas.FillRect({x1, y1, x2 + 1, y2 + 1}, outline);
    };
    line(0, top, 0, bottom);
    line(right, top, right, bottom);
    line(0, bottom, right, bottom);
    // The top is open under the selected tab, so tab and card make one shape.
    if (m_tabIndex >= 0 && m_tabIndex < static_cast<int>(m_tabs.size()) &&
        !TabRect(m_tabIndex).IsEmpty()) {
      const gfx::Rect sel = DrawnTabRect(TabRect(m_tabIndex), TabState::Selected);
      line(0, top, std::max(sel.Left, 0), top);
      line(std::min(sel.Right - 1, right), top, right, top);
    } else {
      line(0, top, right, top);
    }
  }
  if (!m_showShadow) {
    return;
  }
  // The shadow darkens what lies behind the control.
  const gfx::Color behind = Parent() != nullptr ? Parent()->Color() : gfx::clWindow;
  const gfx::Color inner = MixColors(gfx::clBlack, behind, kShadowInnerWeight, canvas.Palette());
  const gfx::Color outer = MixColors(gfx::clBlack, behind, kShadowOuterWeight, canvas.Palette());
  canvas.FillRect({size.Width - 2, top + 1, size.Width - 1, size.Height - 1}, inner);
  canvas.FillRect({1, size.Height - 2, size.Width - 1, size.Height - 1}, inner);
  canvas.FillRect({size.Width - 1, top, size.Width, size.Height}, outer);
  canvas.FillRect({0, size.Height - 1, size.Width, size.Height}, outer);
}

}  // namespace orvanta::controls
