#include "controls/blinking_control.h"

#include "ui/control.h"

namespace orvanta::controls {

BlinkingControl::BlinkingControl(ui::Control& owner) : m_owner(owner) {
  TUiBlinkingControlsList::Register(*this);
}

BlinkingControl::~BlinkingControl() {
  TUiBlinkingControlsList::Unregister(*this);
}

void BlinkingControl::SetBlinking(bool blinking) {
  if (m_blinking == blinking) {
    return;
  }
  const bool showed = ShowsBlinkColor();
  m_blinking = blinking;
  m_phase = BlinkPhase::Off;
  if (showed) {
    m_owner.Invalidate();
  }
}

void BlinkingControl::SetBlinkColor(gfx::Color color) {
  if (m_blinkColor == color) {
    return;
  }
  m_blinkColor = color;
  if (ShowsBlinkColor()) {
    m_owner.Invalidate();
  }
}

void BlinkingControl::BlinkPhaseChanged(BlinkPhase phase) {
  if (m_phase == phase) {
    return;
  }
  m_phase = phase;
  if (m_blinking) {
    m_owner.Invalidate();
  }
}

}  // namespace orvanta::controls
