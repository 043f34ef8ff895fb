#pragma once

#include <functional>
#include <memory>

#include "gfx/bitmap.h"
#include "ui/control.h"
#include "ui/timer.h"

namespace orvanta::ui {

enum class ScrollBarKind { Horizontal, Vertical };
// The arrow buttons at the two ends: up or left, down or right.
enum class ScrollArrow { First, Second };
enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbTrack, ThumbPosition, EndScroll };

// A classic scroll bar: two arrow buttons, a dithered track and a raised thumb. The range runs
// from Min to Max; PageSize is the part in view, so the position runs from Min to
// Max - PageSize + 1. Arrows and track repeat while held, through a timer of the message loop.
class ScrollBar : public Control {
 public:
  static constexpr int kSize = 16;          // thickness, pixels
  static constexpr int kMinThumb = 8;       // shortest thumb, pixels
  static constexpr int kRepeatDelay = 400;  // ms before a held arrow repeats
  static constexpr int kRepeatInterval = 50;

  explicit ScrollBar(ScrollBarKind kind = ScrollBarKind::Vertical);
  ~ScrollBar() override;
  // Sets the range, the page and the position at once (clamped); OnScroll is not called.
  void SetParams(int min, int max, int pageSize, int position);
  void SetPosition(int position);  // clamped; OnScroll is not called
  int Position() const { return m_position; }
  int MaxPosition() const;
  bool Scrollable() const { return MaxPosition() > m_min; }
  void SetSmallChange(int change) { m_smallChange = change > 0 ? change : 1; }
  int LargeChange() const { return m_largeChange > 0 ? m_largeChange : (m_page > 0 ? m_page : 1); }
  void SetLargeChange(int change) { m_largeChange = change; }

  // After a user action has moved the position (already stored).
  std::function<void(ScrollCode, int)> OnScroll;

  // Geometry in client pixels.
  gfx::Rect ArrowRect(ScrollArrow arrow) const;
  gfx::Rect TrackRect() const;
  gfx::Rect ThumbRect() const;  // empty when nothing scrolls

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const MouseEvent& e) override;
  void MouseMove(const MouseEvent& e) override;
  void MouseUp(const MouseEvent& e) override;
  void CaptureLost() override { EndPress(); }
  void Resized() override { m_trackPattern = gfx::Bitmap(); }

 private:
  enum class Part { None, FirstArrow, SecondArrow, PageBefore, PageAfter, Thumb };
  Part HitPart(gfx::Point p) const;
  int Along(gfx::Point p) const { return m_kind == ScrollBarKind::Vertical ? p.Y : p.X; }
  int Length() const { return m_kind == ScrollBarKind::Vertical ? Height() : Width(); }
  int Thickness() const { return m_kind == ScrollBarKind::Vertical ? Width() : Height(); }
  gfx::Rect Span(int from, int to) const;  // a stretch along the bar, full thickness
  void Act(Part part);
  void Scroll(ScrollCode code, int position);
  void Repeat();
  void EndPress();
  void PaintArrow(gfx::Canvas& canvas, ScrollArrow arrow);
  void PaintTrack(gfx::Canvas& canvas, const gfx::Rect& track);

  ScrollBarKind m_kind;
  int m_min = 0;
  int m_max = 100;
  int m_page = 0;
  int m_position = 0;
  int m_smallChange = 1;
  int m_largeChange = 0;
  Part m_pressed = Part::None;
  bool m_pressedInside = false;
  int m_dragOffset = 0;  // from the thumb's start to the pointer, pixels
  gfx::Point m_pointer;
  std::unique_ptr<Timer> m_repeat;
  gfx::Bitmap m_trackPattern;
};

}  // namespace orvanta::ui
