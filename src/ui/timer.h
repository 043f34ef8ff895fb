#pragma once

#include <functional>

#include "ui/timer_queue.h"

namespace orvanta::ui {

class Application;

// A repeating window timer: OnTimer runs every Interval milliseconds while Enabled, delivered
// through the application's message loop between handlers.
class Timer {
 public:
  Timer();  // on the current application
  explicit Timer(Application& app);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  int Interval() const { return m_interval; }
  void SetInterval(int intervalMs);  // restarts the count
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled);
  bool Active() const { return m_id != kNoTimer; }

  std::function<void()> OnTimer;

 private:
  void Update();

  Application* m_app;
  int m_interval = 1000;
  bool m_enabled = true;
  TimerId m_id = kNoTimer;
};

}  // namespace orvanta::ui
