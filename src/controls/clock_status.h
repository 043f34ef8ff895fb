#pragma once

#include <functional>
#include <string>

#include "controls/status_pane.h"

namespace orvanta::controls {

// A pane called back by the program's shared polling timer while it is visible.
class TUiPollingStatus : public TUiCustomStatusPane {
 public:
  TUiPollingStatus();
  ~TUiPollingStatus() override;

  // Views of the one shared timer: writing changes it for every polling pane.
  bool Active() const;
  void SetActive(bool active);
  int Interval() const;
  void SetInterval(int milliseconds);

  std::function<void()> OnTimerExpired;

  // The tick action; the polling list calls it.
  virtual void TimerExpired();
};

// Local calendar time as the clock pane shows it.
struct ClockDateTime {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// The clock's default text: the date as "yyyy-MM-dd" and, unless the time is exactly
// midnight, a blank and the time as "HH:mm:ss" (hours 00 to 23).
std::string DefaultClockText(const ClockDateTime& t);

// A pane that shows the local date and time and keeps it current: each polling tick
// recomputes the text and repaints only when it changed.
class TUiClockStatus : public TUiPollingStatus {
 public:
  TUiClockStatus();

  // Where the time comes from (the platform clock); without it the pane stays empty.
  std::function<ClockDateTime()> Now;

  // Recomputes the text now (also done on every tick).
  void UpdateClock();
  const std::string& LastText() const { return m_lastText; }

  void TimerExpired() override;
  void Paint(gfx::Canvas& canvas) override;

 private:
  std::string m_lastText;
};

}  // namespace orvanta::controls
