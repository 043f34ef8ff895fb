#include "controls/clock_status.h"

#include "controls/date_time_pattern.h"

namespace orvanta::controls {

std::string DefaultClockText(const history::SystemTime& t) {
  return DefaultDateTimeText(t, PatternClockLocale());
}

TUiClockStatus::TUiClockStatus() {
  SetBounds(0, 0, 150, 20);
}

void TUiClockStatus::SetLocale(const ClockLocale* locale) {
  m_locale = locale;
  UpdateClock();
}

void TUiClockStatus::SetFormat(std::string format) {
  if (format == m_format) {
    return;
  }
  m_format = std::move(format);
  UpdateClock();
}

void TUiClockStatus::UpdateClock() {
  if (!Now) {
    return;
  }
  history::SystemTime now = Now();
  if (OnGetDateTime) {
    OnGetDateTime(*this, now);
  }
  static const PatternClockLocale kFallback;
  const ClockLocale& locale = m_locale != nullptr ? *m_locale : kFallback;
  std::string text = m_format.empty() ? DefaultDateTimeText(now, locale)
                                      : FormatDateTimePattern(m_format, now, &locale);
  if (text != m_lastText) {
    m_lastText = std::move(text);
    SetCaption(m_lastText);  // repaints, and fits the width when AutoSize is on
  }
}

bool TUiClockStatus::ReachesGrip() const {
  const StatusPaneOwner* bar = Owner();
  return bar != nullptr && bar->ServesSizeGrip() && Bounds().Right >= bar->PaneAreaRight();
}

gfx::Rect TUiClockStatus::TextRect() const {
  gfx::Rect text = TUiPollingStatus::TextRect();
  if (ReachesGrip()) {
    text.Right -= kGripInset;
  }
  return text;
}

bool TUiClockStatus::HitTest(gfx::Point p) const {
  if (ReachesGrip() && p.X >= Width() - kGripInset) {
    return false;
  }
  return TUiPollingStatus::HitTest(p);
}

void TUiClockStatus::TimerExpired() {
  UpdateClock();
  TUiPollingStatus::TimerExpired();
}

void TUiClockStatus::Loaded() {
  TUiPollingStatus::Loaded();
  UpdateClock();
}

void TUiClockStatus::Paint(gfx::Canvas& canvas) {
  SetCaption(m_lastText);
  TUiCustomStatusPane::Paint(canvas);
}

}  // namespace orvanta::controls
