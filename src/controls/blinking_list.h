#pragma once

#include <array>
#include <cstddef>
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
  // Milliseconds of a phase, from the next flip on.
  int Interval(BlinkPhase phase) const { return m_intervals[Index(phase)]; }
  void SetInterval(BlinkPhase phase, int milliseconds) { m_intervals[Index(phase)] = milliseconds; }

  TUiBlinkingControlsList();  // use Register

 private:
  static std::size_t Index(BlinkPhase phase) { return phase == BlinkPhase::On ? 0 : 1; }
  void Tick();

  std::vector<BlinkingControl*> m_controls;  // not owned
  ui::Timer m_timer;
  BlinkPhase m_phase = BlinkPhase::On;
  std::array<int, 2> m_intervals = {kDefaultInterval, kDefaultInterval};  // on, off
};

}  // namespace orvanta::controls
