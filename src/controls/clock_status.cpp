#include "controls/clock_status.h"

#include <cstdio>

namespace orvanta::controls {

std::string DefaultClockText(const history::SystemTime& t) {
  char text[96];
  if (t.Hour == 0 && t.Minute == 0 && t.Second == 0) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.Year, t.Month, t.Day);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.Year, t.Month, t.Day,
                  t.Hour, t.Minute, t.Second);
  }
  return text;
}

TUiClockStatus::TUiClockStatus() {
  SetBounds(0, 0, 150, 20);
}

void TUiClockStatus::UpdateClock() {
  if (!Now) {
    return;
  }
  std::string text = DefaultClockText(Now());
  if (text != m_lastText) {
    m_lastText = std::move(text);
    SetCaption(m_lastText);
  }
}

void TUiClockStatus::TimerExpired() {
  UpdateClock();
  TUiPollingStatus::TimerExpired();
}

void TUiClockStatus::Paint(gfx::Canvas& canvas) {
  SetCaption(m_lastText);
  TUiCustomStatusPane::Paint(canvas);
}

}  // namespace orvanta::controls
