#include "controls/tab_sheet.h"

namespace orvanta::controls {

TUiTabSheet::TUiTabSheet() {
  SetColor(gfx::clBtnFace);
}

void TUiTabSheet::SetTabEnabled(bool enabled) {
  m_tabEnabled = enabled;
  if (Parent() != nullptr) {
    Parent()->Invalidate();
  }
}

void TUiTabSheet::SetTabVisible(bool visible) {
  if (visible != m_tabVisible) {
    m_tabVisible = visible;
    CaptionChanged();
  }
}

void TUiTabSheet::Paint(gfx::Canvas& canvas) {
  canvas.FillRect(ClientRect(), Color());
}

void TUiTabSheet::CaptionChanged() {
  if (m_owner != nullptr) {
    m_owner->SheetTabChanged();
  }
}

void TUiTabSheet::MouseEnter() {
  if (m_owner != nullptr) {
    m_owner->SheetEntered();
  }
}

}  // namespace orvanta::controls
