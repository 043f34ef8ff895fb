#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/hot_track.h"
#include "controls/page_control_layout.h"
#include "controls/tab_sheet.h"
#include "ui/control.h"
#include "ui/focus_order.h"
#include "ui/text_alignment.h"
#include "ui/timer.h"

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

// How the hot tab's bar takes its colour: HotTrackColor itself, or its complement.
// Pages under one row of rounded-corner tabs. The selected tab is white and a little larger and
// opens into the card below; the others carry a light ramp; the tab under the mouse gets a bar
// along its top; the card casts a soft shadow to the right and below. A left click on a tab
// (which gives the control the focus), or
// the arrow keys, Home and End while the control has the focus, and Ctrl+Tab or Ctrl+Shift+Tab
// while the focus is anywhere inside it, switch the page. The control's font is the tabs'
// font; each page has its own.
class TUiPageControl : public ui::Control, private TabSheetOwner {
 public:
  static constexpr gfx::Color kHotTrackColor = gfx::RGB(240, 155, 20);
  static constexpr int kHoverInterval = 60;  // ms between checks that the pointer left the tabs

  TUiPageControl();

  // The look; each setter repaints.
  // Behind the tabs: the parent's colour while ParentBackgroundColor is on (the default);
  // setting a colour turns it off.
  gfx::Color BackgroundColor() const;
  void SetBackgroundColor(gfx::Color color);
  void SetParentBackgroundColor(bool parent);
  const TUiTabColors& TabColors() const { return m_tabColors; }
  void SetTabColors(const TUiTabColors& colors);
  const TUiTextColors& TextColors() const { return m_textColors; }
  void SetTextColors(const TUiTextColors& colors);
  void SetHotTrack(bool hotTrack);  // off also clears the hot tab
  void SetHotTrackColor(gfx::Color color);
  void SetHotTrackColorType(THotTrackColorType type);
  void SetUseGradients(bool useGradients);  // the ramp shows on full-colour displays only
  void SetShowFocusRect(bool show);
  void SetFlatColor(gfx::Color color, int adjustment = 0);  // every outline
  void SetShowCardFrame(bool show);
  void SetShowShadow(bool show);  // off: the frame runs along the card's own edges
  void SetTextAlignment(ui::Alignment alignment);
  void SetTextAlignmentVertical(ui::TextLayout layout);
  void SetBoldCurrentTab(bool bold);

  // Tab geometry; each setter measures and places the tabs again. A height or width of 0 is
  // computed from the captions.
  void SetTabHeight(int height);
  void SetTabWidth(int width);
  void SetTabOverlap(int overlap);  // negative: a gap between neighbours
  void SetMargin(int margin);       // indent of the first tab

  // Pages, in tab order: the sheets among the children. A new page is hidden unless no page
  // is selected; removing the selected page selects the one that takes its place.
  TUiTabSheet& AddPage(std::string caption);
  int PageCount() const { return static_cast<int>(m_pages.size()); }
  TUiTabSheet& Page(int index) const { return *m_pages.at(static_cast<std::size_t>(index)); }

  // The selected tab; -1 for none. Selecting another tab asks OnChanging first, then shows
  // its page, hides the others and raises OnChange.
  int TabIndex() const { return m_tabIndex; }
  void SetTabIndex(int index);
  TUiTabSheet* ActivePage() const;
  void SetActivePage(TUiTabSheet* page);
  // The next or previous selectable page, wrapping around.
  void SelectNextPage(ui::TabDirection direction);
  std::function<void(bool& allowChange)> OnChanging;
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
  bool DialogKey(const ui::KeyEvent& e) override;
  void FocusChanged(bool) override { InvalidateStrip(); }
  void Resized() override { UpdateTabs(); }
  void FontChanged() override { UpdateTabs(); }
  void FormChanged() override { UpdateTabs(); }
  void ChildAdded(ui::Control& child) override;
  void ChildRemoved(ui::Control& child) override;

 private:
  void SheetTabChanged() override { UpdateTabs(); }
  void SheetEntered() override { SetHotTab(-1); }
  // Asks OnChanging, then selects; false when the change was refused.
  bool ChangeTo(int index);
  void Select(int index);  // shows the page at index (or none for -1), hides the others
  void SetHotTab(int index);
  void HoverTick();
  std::vector<gfx::Size> MeasureTabs() const;
  void InvalidateStrip();
  bool Selectable(int index) const;
  TabState StateOf(int index) const {
    return index == m_tabIndex ? TabState::Selected : TabState::Unselected;
  }
  int NextSelectable(int from, int step) const;
  void PaintTab(gfx::Canvas& canvas, int index);
  void PaintCaption(gfx::Canvas& canvas, int index, const gfx::Rect& text, gfx::Color color);
  void PaintCard(gfx::Canvas& canvas);
  gfx::Color OutlineColor(const gfx::SystemPalette& palette) const;

  // Sets a look property and repaints when it changed.
  template <class T>
  void ChangeLook(T& property, const T& value);

  gfx::Color m_backgroundColor = gfx::clBtnFace;
  bool m_parentBackgroundColor = true;
  TUiTabColors m_tabColors;
  TUiTextColors m_textColors;
  bool m_hotTrack = true;
  gfx::Color m_hotTrackColor = kHotTrackColor;
  THotTrackColorType m_hotTrackColorType = htctActual;
  bool m_useGradients = true;
  bool m_showFocusRect = true;
  gfx::Color m_flatColor = gfx::clBtnShadow;
  int m_flatColorAdjustment = 0;
  bool m_showCardFrame = true;
  bool m_showShadow = true;
  ui::Alignment m_textAlignment = ui::Alignment::Center;
  ui::TextLayout m_textLayout = ui::TextLayout::Center;
  bool m_boldCurrentTab = false;
  int m_tabHeight = 0;
  int m_tabWidth = 0;
  int m_tabOverlap = -1;
  int m_margin = 0;
  std::vector<TUiTabSheet*> m_pages;  // children, owned by the tree
  std::vector<gfx::Rect> m_tabs;
  int m_rowHeight = 20;
  int m_tabIndex = -1;
  int m_hotTab = -1;
  std::unique_ptr<ui::Timer> m_hoverTimer;  // runs while a tab is hot
};

}  // namespace orvanta::controls
