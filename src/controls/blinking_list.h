#pragma once

#include <vector>

#include "ui/timer.h"

namespace orvanta::controls {

class BlinkingControl;

enum class BlinkPhase { On, Off };

// The one timer behind every blinking pane and label of the program: created with the first
// control that registers, destroyed with the last. It starts in the on phase at the off
// interval; each tick flips the phase, runs the next period at the interval of the phase it
// entered and tells every control that is blinking the new phase.
class TUiBlinkingControlsList {
 public:
  static constexpr int kDefaultInterval = 500;

  // The live list; null while no pane or label exists.
  static TUiBlinkingControlsList* Instance();
  static void Register(BlinkingControl& control);
  static void Unregister(BlinkingControl& control);

  const ui::Timer& Timer() const { return m_timer; }
  BlinkPhase Phase() const { return m_phase; }
  int ControlCount() const { return static_cast<int>(m_controls.size()); }
  // Milliseconds of each phase, from the next flip on.
  int IntervalOn() const { return m_intervalOn; }
  void SetIntervalOn(int milliseconds) { m_intervalOn = milliseconds; }
  int IntervalOff() const { return m_intervalOff; }
  void SetIntervalOff(int milliseconds) { m_intervalOff = milliseconds; }

  TUiBlinkingControlsList();  // use Register

 private:
  void Tick();

  std::vector<BlinkingControl*> m_controls;  // not owned
  ui::Timer m_timer;
  BlinkPhase m_phase = BlinkPhase::On;
  int m_intervalOn = kDefaultInterval;
  int m_intervalOff = kDefaultInterval;
};

}  // namespace orvanta::controls
