#include "ui/timer.h"

#include "ui/application.h"

namespace orvanta::ui {

Timer::Timer() : m_app(Application::Current()) {
  Update();
}

Timer::Timer(Application& app) : m_app(&app) {
  Update();
}

Timer::~Timer() {
  if (m_app != nullptr && m_id != kNoTimer) {
    m_app->StopTimer(m_id);
  }
}

void Timer::SetInterval(int intervalMs) {
  if (intervalMs == m_interval) {
    return;
  }
  m_interval = intervalMs;
  Update();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == m_enabled) {
    return;
  }
  m_enabled = enabled;
  Update();
}

void Timer::Update() {
  if (m_app == nullptr) {
    return;
  }
  if (m_id != kNoTimer) {
    m_app->StopTimer(m_id);
    m_id = kNoTimer;
  }
  if (m_enabled && m_interval > 0) {
    m_id = m_app->StartTimer(m_interval, [this] {
      if (OnTimer) {
        OnTimer();
      }
    });
  }
}

}  // namespace orvanta::ui
