#include "controls/tab_sheet.h"

#include "controls/page_control.h"

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

void TUiTabSheet::Paint(gfx::Canvas& canvas) {
  canvas.FillRect(ClientRect(), Color());
}

void TUiTabSheet::CaptionChanged() {
  if (auto* pages = dynamic_cast<TUiPageControl*>(Parent())) {
    pages->UpdateTabs();
  }
}

void TUiTabSheet::MouseEnter() {
  if (auto* pages = dynamic_cast<TUiPageControl*>(Parent())) {
    pages->ClearHotTab();
  }
}

}  // namespace orvanta::controls
