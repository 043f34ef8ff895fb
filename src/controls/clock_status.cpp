#include "controls/clock_status.h"

#include <cstdio>

#include "controls/polling_list.h"

namespace orvanta::controls {

TUiPollingStatus::TUiPollingStatus() {
  TUiPollingList::Register(*this);
}

TUiPollingStatus::~TUiPollingStatus() {
  TUiPollingList::Unregister(*this);
}

bool TUiPollingStatus::Active() const {
  const TUiPollingList* list = TUiPollingList::Instance();
  return list != nullptr && list->Timer().Enabled();
}

void TUiPollingStatus::SetActive(bool active) {
  if (TUiPollingList* list = TUiPollingList::Instance()) {
    list->Timer().SetEnabled(active);
  }
}

int TUiPollingStatus::Interval() const {
  const TUiPollingList* list = TUiPollingList::Instance();
  return list != nullptr ? list->Timer().Interval() : TUiPollingList::kDefaultInterval;
}

void TUiPollingStatus::SetInterval(int milliseconds) {
  if (TUiPollingList* list = TUiPollingList::Instance()) {
    list->Timer().SetInterval(milliseconds);
  }
}

void TUiPollingStatus::TimerExpired() {
  if (OnTimerExpired) {
    OnTimerExpired();
  }
}

std::string DefaultClockText(const ClockDateTime& t) {
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
