#pragma once

#include <functional>

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

}  // namespace orvanta::controls
