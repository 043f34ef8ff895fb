#include "ui/scroll_bar.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/frame3d.h"

namespace orvanta::ui {

ScrollBar::ScrollBar(ScrollBarKind kind) : m_kind(kind) {
  if (kind == ScrollBarKind::Vertical) {
    SetBounds(0, 0, kSize, 121);
  } else {
    SetBounds(0, 0, 121, kSize);
  }
}

ScrollBar::~ScrollBar() = default;

int ScrollBar::MaxPosition() const {
  const int last = m_page > 0 ? m_max - m_page + 1 : m_max;
  return std::max(m_min, last);
}

void ScrollBar::SetParams(int min, int max, int pageSize, int position) {
  m_min = min;
  m_max = std::max(min, max);
  m_page = std::max(pageSize, 0);
  m_position = std::clamp(position, m_min, MaxPosition());
  Invalidate();
}

void ScrollBar::SetPosition(int position) {
  const int clamped = std::clamp(position, m_min, MaxPosition());
  if (clamped != m_position) {
    m_position = clamped;
    Invalidate();
  }
}

gfx::Rect ScrollBar::Span(int from, int to) const {
  if (m_kind == ScrollBarKind::Vertical) {
    return {0, from, Width(), to};
  }
  return {from, 0, to, Height()};
}

gfx::Rect ScrollBar::ArrowRect(ScrollArrow arrow) const {
  // Arrows are square, and share a bar too short for two.
  const int size = std::min(Thickness(), Length() / 2);
  return arrow == ScrollArrow::First ? Span(0, size) : Span(Length() - size, Length());
}

gfx::Rect ScrollBar::TrackRect() const {
  const int arrow = std::min(Thickness(), Length() / 2);
  return Span(arrow, Length() - arrow);
}

gfx::Rect ScrollBar::ThumbRect() const {
  const gfx::Rect track = TrackRect();
  const int trackStart = m_kind == ScrollBarKind::Vertical ? track.Top : track.Left;
  const int trackLength = m_kind == ScrollBarKind::Vertical ? track.Height() : track.Width();
  if (!Scrollable() || !EnabledInTree()) {
    return {};
  }
  const long long range = static_cast<long long>(m_max) - m_min + 1;
  int thumb = m_page > 0 ? static_cast<int>(trackLength * static_cast<long long>(m_page) / range)
                         : Thickness();
  thumb = std::max(thumb, kMinThumb);
  if (thumb > trackLength) {
    return {};
  }
  const long long span = MaxPosition() - m_min;
  const int offset =
      static_cast<int>((trackLength - thumb) * static_cast<long long>(m_position - m_min) / span);
  return Span(trackStart + offset, trackStart + offset + thumb);
}

ScrollBar::Part ScrollBar::HitPart(gfx::Point p) const {
  if (!ClientRect().Contains(p)) {
    return Part::None;
  }
  if (ArrowRect(ScrollArrow::First).Contains(p)) {
    return Part::FirstArrow;
  }
  if (ArrowRect(ScrollArrow::Second).Contains(p)) {
    return Part::SecondArrow;
  }
  const gfx::Rect thumb = ThumbRect();
  if (thumb.IsEmpty()) {
    return Part::None;
  }
  if (thumb.Contains(p)) {
    return Part::Thumb;
  }
  const int at = Along(p);
  const int thumbStart = m_kind == ScrollBarKind::Vertical ? thumb.Top : thumb.Left;
  return at < thumbStart ? Part::PageBefore : Part::PageAfter;
}

void ScrollBar::Scroll(ScrollCode code, int position) {
  const int clamped = std::clamp(position, m_min, MaxPosition());
  const bool moved = clamped != m_position;
  m_position = clamped;
  if (moved) {
    Invalidate();
  }
  if (OnScroll && (moved || code == ScrollCode::EndScroll || code == ScrollCode::ThumbPosition)) {
    OnScroll(code, m_position);
  }
}

void ScrollBar::Act(Part part) {
  switch (part) {
    case Part::FirstArrow:
      Scroll(ScrollCode::LineUp, m_position - m_smallChange);
      break;
    case Part::SecondArrow:
      Scroll(ScrollCode::LineDown, m_position + m_smallChange);
      break;
    case Part::PageBefore:
      Scroll(ScrollCode::PageUp, m_position - LargeChange());
      break;
    case Part::PageAfter:
      Scroll(ScrollCode::PageDown, m_position + LargeChange());
      break;
    default:
      break;
  }
}

void ScrollBar::MouseDown(const MouseEvent& e) {
  if (e.Button != MouseButton::Left || !Scrollable()) {
    return;
  }
  m_pointer = e.Position;
  m_pressed = HitPart(e.Position);
  m_pressedInside = true;
  if (m_pressed == Part::None) {
    return;
  }
  if (m_pressed == Part::Thumb) {
    const gfx::Rect thumb = ThumbRect();
    m_dragOffset = Along(e.Position) - (m_kind == ScrollBarKind::Vertical ? thumb.Top : thumb.Left);
  } else {
    Act(m_pressed);
    if (Application* app = App()) {
      m_repeat = std::make_unique<Timer>(*app);
      m_repeat->SetInterval(kRepeatDelay);
      m_repeat->OnTimer = [this] { Repeat(); };
    }
  }
  Invalidate();
}

void ScrollBar::Repeat() {
  if (m_repeat && m_repeat->Interval() != kRepeatInterval) {
    m_repeat->SetInterval(kRepeatInterval);
  }
  if (!m_pressedInside) {
    return;
  }
  // A held track pages until the thumb reaches the pointer.
  if ((m_pressed == Part::PageBefore || m_pressed == Part::PageAfter) &&
      HitPart(m_pointer) != m_pressed) {
    return;
  }
  Act(m_pressed);
}

void ScrollBar::MouseMove(const MouseEvent& e) {
  if (m_pressed == Part::None) {
    return;
  }
  m_pointer = e.Position;
  if (m_pressed == Part::Thumb) {
    const gfx::Rect track = TrackRect();
    const int trackStart = m_kind == ScrollBarKind::Vertical ? track.Top : track.Left;
    const int trackLength = m_kind == ScrollBarKind::Vertical ? track.Height() : track.Width();
    const gfx::Rect thumb = ThumbRect();
    const int thumbLength = m_kind == ScrollBarKind::Vertical ? thumb.Height() : thumb.Width();
    const int free = trackLength - thumbLength;
    if (free > 0) {
      const int start = std::clamp(Along(e.Position) - m_dragOffset - trackStart, 0, free);
      const long long span = MaxPosition() - m_min;
      const int position = m_min + static_cast<int>((start * span + free / 2) / free);
      Scroll(ScrollCode::ThumbTrack, position);
    }
    return;
  }
  const bool inside =
      m_pressed == Part::FirstArrow || m_pressed == Part::SecondArrow
          ? ArrowRect(m_pressed == Part::FirstArrow ? ScrollArrow::First : ScrollArrow::Second)
                .Contains(e.Position)
          : ClientRect().Contains(e.Position);
  if (inside != m_pressedInside) {
    m_pressedInside = inside;
    Invalidate();
  }
}

void ScrollBar::MouseUp(const MouseEvent& e) {
  if (e.Button != MouseButton::Left || m_pressed == Part::None) {
    return;
  }
  const bool thumb = m_pressed == Part::Thumb;
  EndPress();
  if (thumb) {
    Scroll(ScrollCode::ThumbPosition, m_position);
  }
  Scroll(ScrollCode::EndScroll, m_position);
}

void ScrollBar::EndPress() {
  m_repeat.reset();
  if (m_pressed != Part::None) {
    m_pressed = Part::None;
    Invalidate();
  }
}

void ScrollBar::PaintArrow(gfx::Canvas& canvas, ScrollArrow arrow) {
  gfx::Rect r = ArrowRect(arrow);
  if (r.IsEmpty()) {
    return;
  }
  const bool first = arrow == ScrollArrow::First;
  const Part part = first ? Part::FirstArrow : Part::SecondArrow;
  const bool pushed = m_pressed == part && m_pressedInside;
  gfx::Rect face = r;
  DrawEdge(canvas, face, pushed ? EdgeStyle::ButtonPressed : EdgeStyle::Raised);
  canvas.FillRect(face, gfx::clBtnFace);
  // A solid triangle of four rows (or columns): 1, 3, 5 and 7 pixels from its tip, which
  // points towards the scrolling direction.
  const int shift = pushed ? 1 : 0;
  const int cx = (r.Left + r.Right) / 2 - 1 + shift;
  const int cy = (r.Top + r.Bottom) / 2 - 1 + shift;
  const bool enabled = Scrollable() && EnabledInTree();
  auto triangle = [&](int dx, int dy, gfx::Color color) {
    for (int k = 0; k < 4; ++k) {
      const int half = first ? k : 3 - k;
      if (m_kind == ScrollBarKind::Vertical) {
        const int y = cy - 1 + k + dy;
        canvas.FillRect({cx - half + dx, y, cx + half + 1 + dx, y + 1}, color);
      } else {
        const int x = cx - 1 + k + dx;
        canvas.FillRect({x, cy - half + dy, x + 1, cy + half + 1 + dy}, color);
      }
    }
  };
  if (enabled) {
    triangle(0, 0, gfx::clBtnText);
  } else {
    triangle(1, 1, gfx::clBtnHighlight);
    triangle(0, 0, gfx::clBtnShadow);
  }
}

void ScrollBar::PaintTrack(gfx::Canvas& canvas, const gfx::Rect& track) {
  if (track.IsEmpty()) {
    return;
  }
  if (m_trackPattern.GetSize() != gfx::Size{track.Width(), track.Height()}) {
    // The classic track: a checkerboard of the highlight and the face colour.
    m_trackPattern = gfx::Bitmap(track.Width(), track.Height());
    const gfx::Pixel light = canvas.Palette().ToPixel(gfx::clBtnHighlight);
    const gfx::Pixel face = canvas.Palette().ToPixel(gfx::clBtnFace);
    for (int y = 0; y < track.Height(); ++y) {
      gfx::Pixel* row = m_trackPattern.Row(y);
      for (int x = 0; x < track.Width(); ++x) {
        row[x] = ((x + y + track.Left + track.Top) & 1) == 0 ? light : face;
      }
    }
  }
  canvas.DrawBitmap(track.Left, track.Top, m_trackPattern);
}

void ScrollBar::Paint(gfx::Canvas& canvas) {
  PaintArrow(canvas, ScrollArrow::First);
  PaintArrow(canvas, ScrollArrow::Second);
  PaintTrack(canvas, TrackRect());
  gfx::Rect thumb = ThumbRect();
  if (!thumb.IsEmpty()) {
    DrawEdge(canvas, thumb, EdgeStyle::Raised);
    canvas.FillRect(thumb, gfx::clBtnFace);
  }
}

}  // namespace orvanta::ui
