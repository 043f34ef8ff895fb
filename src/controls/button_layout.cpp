#include "controls/button_layout.h"

#include <algorithm>

namespace orvanta::controls {

namespace {

constexpr int kFrameInset = 1;
constexpr int kFaceInset = 2;
constexpr int kCaptionInset = 3;

}  // namespace

ButtonRects PlaceButton(const gfx::Rect& client) {
  return {client.Inflate(-kFrameInset, -kFrameInset), client.Inflate(-kFaceInset, -kFaceInset),
          client.Inflate(-kCaptionInset, -kCaptionInset)};
}

std::array<gfx::Rect, 4> InnerRingStrips(const gfx::Rect& rect, int width) {
  const gfx::Rect& r = rect;
  const int top = std::min(r.Top + width, r.Bottom);
  const int bottom = std::max(r.Bottom - width, top);
  return {{{r.Left, r.Top, r.Right, top},
           {r.Left, bottom, r.Right, r.Bottom},
           {r.Left, top, std::min(r.Left + width, r.Right), bottom},
           {std::max(r.Right - width, r.Left), top, r.Right, bottom}}};
}

std::vector<gfx::Point> FocusBorderDots(const gfx::Rect& rect) {
  std::vector<gfx::Point> dots;
  if (rect.IsEmpty()) {
    return dots;
  }
  const int last = rect.Right - 1;
  const int bottom = rect.Bottom - 1;
  for (int x = rect.Left + 1; x <= last; x += 2) {
    dots.push_back({x, rect.Top});
    dots.push_back({x, bottom});
  }
  for (int y = rect.Top + 1; y <= bottom; y += 2) {
    dots.push_back({rect.Left, y});
    dots.push_back({last, y});
  }
  return dots;
}

int CaptionTop(const gfx::Rect& area, int textHeight, ui::TextLayout layout) {
  switch (layout) {
    case ui::TextLayout::Top:
      break;
    case ui::TextLayout::Center:
      return area.Top + (area.Height() - textHeight) / 2;
    case ui::TextLayout::Bottom:
      return area.Bottom - textHeight;
  }
  return area.Top;
}

}  // namespace orvanta::controls
