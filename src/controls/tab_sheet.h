#pragma once

#include "ui/control.h"

namespace orvanta::controls {

// What a sheet tells the page control it belongs to.
class TabSheetOwner {
 public:
  virtual void SheetTabChanged() = 0;  // its tab needs measuring and placing again
  virtual void SheetEntered() = 0;     // the pointer moved onto the page, off the tabs

 protected:
  ~TabSheetOwner() = default;
};

// One page of a page control: its caption is the tab's text; it fills its area with its
// colour and shows its children while it is the active page.
class TUiTabSheet : public ui::Control {
 public:
  TUiTabSheet();

  // A page without a visible tab takes no room in the row and cannot be selected.
  bool TabVisible() const { return m_tabVisible; }
  void SetTabVisible(bool visible);
  bool TabEnabled() const { return m_tabEnabled; }
  void SetTabEnabled(bool enabled);

  // Set by the page control while the sheet is one of its pages; null otherwise.
  void SetOwner(TabSheetOwner* owner) { m_owner = owner; }

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void CaptionChanged() override;
  void MouseEnter() override;

 private:
  TabSheetOwner* m_owner = nullptr;
  bool m_tabVisible = true;
  bool m_tabEnabled = true;
};

}  // namespace orvanta::controls
