#pragma once

#include "controls/blinking_control.h"
#include "ui/label.h"

namespace orvanta::controls {

// The framework's label with the colour effects of the control family: blinking on the
// shared blink timer, and a fly-by colour while the pointer is over it.
class TUiLabel : public ui::Label, public BlinkingControl {
 public:
  TUiLabel();

  bool FlyByEnabled() const { return m_flyByEnabled; }
  void SetFlyByEnabled(bool enabled);
  gfx::Color FlyByColor() const { return m_flyByColor; }
  void SetFlyByColor(gfx::Color color);

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseEnter() override { SetFlyBy(m_flyByEnabled); }
  void MouseLeave() override { SetFlyBy(false); }

 private:
  void SetFlyBy(bool over);

  bool m_flyByEnabled = false;
  gfx::Color m_flyByColor = gfx::clHighlight;
  bool m_flyBy = false;  // the pointer is over the label and fly-by is on
};

}  // namespace orvanta::controls
