#include "controls/spacer.h"

namespace orvanta::controls {

TUiSpacer::TUiSpacer() {
  SetBounds(0, 0, 8, 25);
}

void TUiSpacer::SetGrooved(bool grooved) {
  m_grooved = grooved;
  Invalidate();
}

void TUiSpacer::SetOrientation(TOrientation orientation) {
  if (orientation != m_orientation) {
    m_orientation = orientation;
    SetSize(Height(), Width());
  }
}

void TUiSpacer::Paint(gfx::Canvas& canvas) {
  if (!m_grooved) {
    return;
  }
  const int w = Width();
  const int h = Height();
  if (h >= w) {
    const int x = w / 2 - 1;
    canvas.FillRect({x, 1, x + 1, h}, gfx::clBtnShadow);
    canvas.FillRect({x + 1, 1, x + 2, h}, gfx::clBtnHighlight);
  } else {
    const int y = h / 2 - 1;
    canvas.FillRect({1, y, w, y + 1}, gfx::clBtnShadow);
    canvas.FillRect({1, y + 1, w, y + 2}, gfx::clBtnHighlight);
  }
}

}  // namespace orvanta::controls
