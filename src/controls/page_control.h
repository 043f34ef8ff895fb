#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/page_control_layout.h"
#include "controls/tab_sheet.h"
#include "ui/control.h"

namespace orvanta::controls {

struct TUiTabColors {
  gfx::Color HighlightBar = gfx::clHighlight;
  gfx::Color Unselected = gfx::clWindow;  // top of an unselected tab's ramp
  gfx::Color Shadow = gfx::clBtnFace;     // its bottom
  friend bool operator==(const TUiTabColors&, const TUiTabColors&) = default;
};

struct TUiTextColors {
  gfx::Color Selected = gfx::clBtnText;
  gfx::Color Unselected = gfx::clBtnText;
  gfx::Color DisabledHighlight = gfx::clBtnHighlight;
  gfx::Color DisabledShadow = gfx::clBtnShadow;
  friend bool operator==(const TUiTextColors&, const TUiTextColors&) = default;
};

// Pages under one row of rounded-corner tabs. The selected tab is white and a little larger and
// opens into the card below; the others carry a light ramp; the tab under the mouse gets a bar
// along its top; the card casts a soft shadow to the right and below. A left click on a tab, or
// the arrow keys, Home and End while the control has the focus, switch the page. The control's
// font is the tabs' font; each page has its own.
class TUiPageControl : public ui::Control, private TabSheetOwner {
 public:
  static constexpr gfx::Color kHotTrackColor = gfx::RGB(240, 155, 20);

  TUiPageControl();

  // The look; each setter repaints.
  void SetBackgroundColor(gfx::Color color);  // behind the tabs
  const TUiTabColors& TabColors() const { return m_tabColors; }
  void SetTabColors(const TUiTabColors& colors);
  const TUiTextColors& TextColors() const { return m_textColors; }
  void SetTextColors(const TUiTextColors& colors);
  void SetHotTrack(bool hotTrack);  // off also clears the hot tab
  void SetHotTrackColor(gfx::Color color);
  void SetUseGradients(bool useGradients);
  void SetShowFocusRect(bool show);
  void SetFlatColor(gfx::Color color);  // every outline

  // Pages, in tab order: the sheets among the children. A new page is hidden unless no page
  // is selected; removing the selected page selects the one that takes its place.
  TUiTabSheet& AddPage(std::string caption);
  int PageCount() const { return static_cast<int>(m_pages.size()); }
  TUiTabSheet& Page(int index) const { return *m_pages.at(static_cast<std::size_t>(index)); }

  // The selected tab; -1 for none. Selecting shows its page and hides the others.
  int TabIndex() const { return m_tabIndex; }
  void SetTabIndex(int index);
  TUiTabSheet* ActivePage() const;
  std::function<void()> OnChange;

  int HotTab() const { return m_hotTab; }
  // Geometry, client pixels.
  int StripHeight() const;
  gfx::Rect TabRect(int index) const;  // as placed, before the selected tab's enlargement
  int TabAt(gfx::Point p) const;       // -1 outside every tab
  gfx::Rect PageRect() const;          // where the pages go

  // Measures the tabs again and places the pages (captions, font or size changed).
  void UpdateTabs();

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  void MouseMove(const ui::MouseEvent& e) override;
  void MouseLeave() override { SetHotTab(-1); }
  void KeyDown(ui::KeyEvent& e) override;
  void FocusChanged(bool) override { InvalidateStrip(); }
  void Resized() override { UpdateTabs(); }
  void FontChanged() override { UpdateTabs(); }
  void FormChanged() override { UpdateTabs(); }
  void ChildAdded(ui::Control& child) override;
  void ChildRemoved(ui::Control& child) override;

 private:
  void SheetCaptionChanged() override { UpdateTabs(); }
  void SheetEntered() override { SetHotTab(-1); }
  void Select(int index);  // shows the page at index (or none for -1), hides the others
  void SetHotTab(int index);
  void InvalidateStrip();
  bool Selectable(int index) const;
  TabState StateOf(int index) const {
    return index == m_tabIndex ? TabState::Selected : TabState::Unselected;
  }
  int NextSelectable(int from, int step) const;
  void PaintTab(gfx::Canvas& canvas, int index);
  void PaintCard(gfx::Canvas& canvas);

  // Sets a look property and repaints when it changed.
  template <class T>
  void ChangeLook(T& property, const T& value);

  gfx::Color m_backgroundColor = gfx::clBtnFace;
  TUiTabColors m_tabColors;
  TUiTextColors m_textColors;
  bool m_hotTrack = true;
  gfx::Color m_hotTrackColor = kHotTrackColor;
  bool m_useGradients = true;
  bool m_showFocusRect = true;
  gfx::Color m_flatColor = gfx::clBtnShadow;
  std::vector<TUiTabSheet*> m_pages;  // children, owned by the tree
  std::vector<gfx::Rect> m_tabs;
  int m_rowHeight = 20;
  int m_tabIndex = -1;
  int m_hotTab = -1;
};

}  // namespace orvanta::controls
