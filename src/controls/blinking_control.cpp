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

int BlinkingControl::BlinkIntervalOn() const {
  const TUiBlinkingControlsList* list = TUiBlinkingControlsList::Instance();
  return list != nullptr ? list->IntervalOn() : TUiBlinkingControlsList::kDefaultInterval;
}

void BlinkingControl::SetBlinkIntervalOn(int milliseconds) {
  if (TUiBlinkingControlsList* list = TUiBlinkingControlsList::Instance()) {
    list->SetIntervalOn(milliseconds);
  }
}

int BlinkingControl::BlinkIntervalOff() const {
  const TUiBlinkingControlsList* list = TUiBlinkingControlsList::Instance();
  return list != nullptr ? list->IntervalOff() : TUiBlinkingControlsList::kDefaultInterval;
}

void BlinkingControl::SetBlinkIntervalOff(int milliseconds) {
  if (TUiBlinkingControlsList* list = TUiBlinkingControlsList::Instance()) {
    list->SetIntervalOff(milliseconds);
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
