#pragma once

#include <functional>
#include <string>

#include "controls/clock_locale.h"
#include "controls/polling_status.h"
#include "history/clock.h"

namespace orvanta::controls {

// The clock's default text with the fallback patterns: the date as "yyyy-MM-dd" and, unless
// the time is exactly midnight, a blank and the time as "HH:mm:ss" (hours 00 to 23).
std::string DefaultClockText(const history::SystemTime& t);

// A pane that shows the local date and time and keeps it current: each polling tick
// recomputes the text and repaints only when it changed. The text is the locale's short date
// and long time (the date alone at exactly midnight), or the date-time in Format.
class TUiClockStatus : public TUiPollingStatus {
 public:
  static constexpr int kGripInset = 12;  // kept free at the bar's size grip, pixels

  TUiClockStatus();

  // Where the time comes from (the platform clock); without it the pane stays empty.
  std::function<history::SystemTime()> Now;
  // May change the date-time about to be shown.
  std::function<void(TUiClockStatus& sender, history::SystemTime& time)> OnGetDateTime;

  // The user's date and time formats (not owned); null takes the fallback patterns.
  void SetLocale(const ClockLocale* locale);
  // A runtime date-time pattern; empty (the default) shows the locale's default text.
  const std::string& Format() const { return m_format; }
  void SetFormat(std::string format);

  // Recomputes the text now (also done on every tick).
  void UpdateClock();
  const std::string& LastText() const { return m_lastText; }

  // Inside the general text rectangle, kept clear of the size grip when the pane reaches it.
  gfx::Rect TextRect() const override;
  // The pixels at the grip belong to the bar.
  bool HitTest(gfx::Point p) const override;

  void TimerExpired() override;
  void Paint(gfx::Canvas& canvas) override;

 protected:
  void Loaded() override;

 private:
  bool ReachesGrip() const;

  const ClockLocale* m_locale = nullptr;
  std::string m_format;
  std::string m_lastText;
};

}  // namespace orvanta::controls
