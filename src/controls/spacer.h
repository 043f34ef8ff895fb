#pragma once

#include "ui/control.h"

namespace orvanta::controls {

// A gap between toolbar buttons; grooved, it shows an etched line down its middle (across it
// when it is wider than high).
class TUiSpacer : public ui::Control {
 public:
  TUiSpacer();

  void SetGrooved(bool grooved);

  void Paint(gfx::Canvas& canvas) override;

 private:
  bool m_grooved = false;
};

}  // namespace orvanta::controls
