#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "controls/timeline_layout.h"
#include "history/timeline_days.h"
#include "ui/control.h"
#include "ui/scroll_bar.h"

namespace orvanta::controls {

// The fills of the strip.
inline constexpr gfx::Color kTimelineAwakeColor =
    gfx::RGB(78, 190, 80);  // the normal state image's green
inline constexpr gfx::Color kTimelineAsleepColor = gfx::RGB(176, 214, 245);
inline constexpr gfx::Color kTimelineEndColor = gfx::RGB(245, 130, 0);
inline constexpr gfx::Color kTimelineWakeColor = gfx::RGB(20, 120, 35);
inline constexpr gfx::Color kTimelineHourColor = gfx::RGB(232, 232, 232);
inline constexpr gfx::Color kTimelineSixHourColor = gfx::RGB(160, 160, 160);
inline constexpr gfx::Color kTimelineNoRecordColor = gfx::RGB(175, 175, 175);
inline constexpr gfx::Color kTimelineNoRecordBack = gfx::RGB(238, 238, 238);

// One row per day, newest at the top, under a header that stays put: the date and weekday, a
// 24-hour strip of the day's awake and asleep time, ends and unattended wakes, and the day's
// awake time. Scrolls by whole rows (wheel: three, arrows: one, page keys: a page, Home and
// End: newest and oldest day); tips come through the program's hint window.
class TUiTimeline : public ui::Control {
 public:
  static constexpr int kWheelRows = 3;

  TUiTimeline();

  void SetRows(history::TimelineRows rows);
  const history::TimelineRows& Rows() const { return m_rows; }

  std::size_t TopRow() const { return m_topRow; }
  void ScrollToRow(std::size_t row);  // clamped so the last page stays full
  std::size_t VisibleRows() const;
  TimelineGeometry Geometry() const;

  // The awake time's text; none shows no text.
  std::function<std::string(std::int64_t seconds)> DurationText;
  // The tip of what lies under the pointer.
  std::function<std::string(const TimelineHit& hit)> TipText;
  // A click on a run's block (awake or asleep), with the run's index.
  std::function<void(std::size_t run)> OnRunClick;

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseLeave() override;
  void MouseWheel(ui::WheelEvent& e) override;
  void KeyDown(ui::KeyEvent& e) override;
  void Resized() override;

 private:
  int StripAreaWidth() const;  // the client width left of the scroll bar
  void UpdateScrollBar();
  void CancelTip();
  void PaintHeader(gfx::Canvas& canvas, const TimelineGeometry& g) const;
  void PaintRow(gfx::Canvas& canvas, const TimelineGeometry& g, std::size_t row) const;

  history::TimelineRows m_rows;
  std::size_t m_topRow = 0;
  ui::ScrollBar* m_vbar;  // a child, owned by the tree
  std::optional<TimelineHit> m_tipHit;
};

}  // namespace orvanta::controls
