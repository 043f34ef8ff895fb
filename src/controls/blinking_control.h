#pragma once

#include "controls/blinking_list.h"
#include "gfx/color.h"

namespace orvanta::ui {
class Control;
}

namespace orvanta::controls {

// What a pane or a label needs to blink: while Blinking is on, the program's shared blink
// timer alternates its caption between the normal colour and BlinkColor. The control
// registers with the list for its whole life, blinking or not.
class BlinkingControl {
 public:
  explicit BlinkingControl(ui::Control& owner);
  BlinkingControl(const BlinkingControl&) = delete;
  BlinkingControl& operator=(const BlinkingControl&) = delete;

  bool Blinking() const { return m_blinking; }
  // Turning it off shows the normal colour again at once; turning it on waits for the next
  // tick of the shared timer.
  void SetBlinking(bool blinking);
  gfx::Color BlinkColor() const { return m_blinkColor; }
  void SetBlinkColor(gfx::Color color);
  // Views of the shared timer's two phases, milliseconds: writing changes them for every
  // blinking control at once.
  int BlinkIntervalOn() const { return SharedList().Interval(BlinkPhase::On); }
  void SetBlinkIntervalOn(int milliseconds) {
    SharedList().SetInterval(BlinkPhase::On, milliseconds);
  }
  int BlinkIntervalOff() const { return SharedList().Interval(BlinkPhase::Off); }
  void SetBlinkIntervalOff(int milliseconds) {
    SharedList().SetInterval(BlinkPhase::Off, milliseconds);
  }

  // Whether the caption shows BlinkColor now (the on phase of a blink).
  bool ShowsBlinkColor() const { return m_blinking && m_phase == BlinkPhase::On; }

  // The shared timer's tick, for a control that is blinking.
  void BlinkPhaseChanged(BlinkPhase phase);

 protected:
  ~BlinkingControl();

 private:
  // Registered controls keep the list alive, so it is there for as long as this one.
  static TUiBlinkingControlsList& SharedList() { return *TUiBlinkingControlsList::Instance(); }

  ui::Control& m_owner;
  bool m_blinking = false;
  gfx::Color m_blinkColor = gfx::clHighlight;
  BlinkPhase m_phase = BlinkPhase::Off;
};

}  // namespace orvanta::controls
