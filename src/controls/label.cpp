#include "controls/label.h"

namespace orvanta::controls {

TUiLabel::TUiLabel() : BlinkingControl(static_cast<ui::Control&>(*this)) {}

void TUiLabel::SetFlyByEnabled(bool enabled) {
  m_flyByEnabled = enabled;
  if (!enabled) {
    SetFlyBy(false);
  }
}

void TUiLabel::SetFlyByColor(gfx::Color color) {
  m_flyByColor = color;
  if (m_flyBy) {
    Invalidate();
  }
}

void TUiLabel::SetFlyBy(bool over) {
  if (m_flyBy != over) {
    m_flyBy = over;
    Invalidate();
  }
}

void TUiLabel::Paint(gfx::Canvas& canvas) {
  // The fly-by colour stands in for the font colour, so a blink alternates with it.
  if (ShowsBlinkColor()) {
    canvas.SetTextColor(BlinkColor());
  } else if (m_flyBy) {
    canvas.SetTextColor(m_flyByColor);
  }
  ui::Label::Paint(canvas);
}

}  // namespace orvanta::controls
