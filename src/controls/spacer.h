#pragma once

#include "controls/visual_style.h"
#include "ui/control.h"

namespace orvanta::controls {

// A gap between toolbar buttons; grooved, it shows an etched line down its middle (across it
// when it is wider than high).
class TUiSpacer : public ui::Control {
 public:
  TUiSpacer();

  void SetGrooved(bool grooved);
  // Turning the spacer swaps its width and height.
  void SetOrientation(TOrientation orientation);

  void Paint(gfx::Canvas& canvas) override;

 private:
  bool m_grooved = false;
  TOrientation m_orientation = orHorizontal;
};

}  // namespace orvanta::controls
