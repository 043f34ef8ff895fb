#pragma once

#include "ui/control.h"

namespace orvanta::controls {

// One page of a page control: its caption is the tab's text; it fills its area with its
// colour and shows its children while it is the active page.
class TUiTabSheet : public ui::Control {
 public:
  TUiTabSheet();

  bool TabVisible() const { return m_tabVisible; }
  bool TabEnabled() const { return m_tabEnabled; }
  void SetTabEnabled(bool enabled);

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void CaptionChanged() override;
  void MouseEnter() override;

 private:
  bool m_tabVisible = true;
  bool m_tabEnabled = true;
};

}  // namespace orvanta::controls
