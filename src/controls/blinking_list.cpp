#include "controls/blinking_list.h"

#include <algorithm>
#include <memory>

#include "controls/blinking_control.h"

namespace orvanta::controls {

namespace {

// Program-wide: the panes and labels of every window share the one timer.
std::unique_ptr<TUiBlinkingControlsList> g_blinkingList;

}  // namespace

TUiBlinkingControlsList::TUiBlinkingControlsList() {
  m_timer.SetInterval(Interval(BlinkPhase::Off));
  m_timer.OnTimer = [this] { Tick(); };
}

TUiBlinkingControlsList* TUiBlinkingControlsList::Instance() {
  return g_blinkingList.get();
}

void TUiBlinkingControlsList::Register(BlinkingControl& control) {
  if (!g_blinkingList) {
    g_blinkingList = std::make_unique<TUiBlinkingControlsList>();
  }
  g_blinkingList->m_controls.push_back(&control);
}

void TUiBlinkingControlsList::Unregister(BlinkingControl& control) {
  if (!g_blinkingList) {
    return;
  }
  std::erase(g_blinkingList->m_controls, &control);
  if (g_blinkingList->m_controls.empty()) {
    g_blinkingList.reset();
  }
}

void TUiBlinkingControlsList::Tick() {
  m_phase = m_phase == BlinkPhase::On ? BlinkPhase::Off : BlinkPhase::On;
  m_timer.SetInterval(Interval(m_phase));
  // Telling a control only repaints it, so the list cannot change during the walk.
  for (BlinkingControl* control : m_controls) {
    if (control->Blinking()) {
      control->BlinkPhaseChanged(m_phase);
    }
  }
}

}  // namespace orvanta::controls
