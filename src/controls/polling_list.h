#pragma once

#include <memory>
#include <vector>

#include "ui/timer.h"

namespace orvanta::controls {

class TUiPollingStatus;

// The one timer behind every polling pane of the program: created with the first pane,
// destroyed with the last, ticking every 500 ms by default. Each tick runs the tick action of
// every visible pane, in the order the panes were created.
class TUiPollingList {
 public:
  static constexpr int kDefaultInterval = 500;

  // The live list; null while no polling pane exists.
  static TUiPollingList* Instance();
  static void Register(TUiPollingStatus& pane);
  static void Unregister(TUiPollingStatus& pane);

  ui::Timer& Timer() { return m_timer; }
  const ui::Timer& Timer() const { return m_timer; }
  int PaneCount() const { return static_cast<int>(m_panes.size()); }

  TUiPollingList();  // use Register

 private:
  void Tick();

  std::vector<TUiPollingStatus*> m_panes;  // not owned
  ui::Timer m_timer;
};

}  // namespace orvanta::controls
