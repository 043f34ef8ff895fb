#pragma once

#include <functional>
#include <string>

#include "controls/polling_status.h"
#include "history/clock.h"

namespace orvanta::controls {

// The clock's default text: the date as "yyyy-MM-dd" and, unless the time is exactly
// midnight, a blank and the time as "HH:mm:ss" (hours 00 to 23); milliseconds are not shown.
std::string DefaultClockText(const history::SystemTime& t);
// A pane that shows the local date and time and keeps it current: each polling tick
// recomputes the text and repaints only when it changed.
class TUiClockStatus : public TUiPollingStatus {
 public:
  TUiClockStatus();

  // Where the time comes from (the platform clock); without it the pane stays empty.
  std::function<history::SystemTime()> Now;

  // Recomputes the text now (also done on every tick).
  void UpdateClock();
  const std::string& LastText() const { return m_lastText; }

  void TimerExpired() override;
  void Paint(gfx::Canvas& canvas) override;

 private:
  std::string m_lastText;
};

}  // namespace orvanta::controls
