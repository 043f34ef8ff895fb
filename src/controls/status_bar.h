#pragma once

#include <array>
#include <string>
#include <vector>

#include "controls/panel_painting.h"
#include "controls/status_pane.h"
#include "ui/control.h"

namespace orvanta::controls {

// The window's bottom bar: panes aligned side by side on a plain background and, while the
// window can be sized, a grip of six dots at the bottom-right corner whose rightmost 13 pixels
// start the window's size operation. In simple mode it hides its panes and shows one caption.
class TUiStatusBar : public ui::Control, private StatusPaneOwner {
 public:
  static constexpr int kGripHotWidth = 13;
  static constexpr int kStandardHeight = 19;

  TUiStatusBar();

  // Frame and background (no border by default); setting it repaints and places the panes
  // again. Changing the borders or their sides switches AutoStyle off.
  const PanelStyle& Look() const { return m_look; }
  void SetLook(const PanelStyle& look);
  void SetShowSizeGrip(bool show);
  bool ShowSizeGrip() const { return m_showSizeGrip; }
  // With AutoStyle the bar takes its standard borders and height when its layout is loaded.
  bool AutoStyle() const { return m_autoStyle; }
  void SetAutoStyle(bool autoStyle) { m_autoStyle = autoStyle; }
  // Panes keep their share of the width when the bar is resized.
  void SetAutoScalePanes(bool scale) { m_autoScalePanes = scale; }

  // Simple mode: every child hidden, SimpleCaption shown in a SimpleFrameStyle frame.
  bool SimpleStatus() const { return m_simpleStatus; }
  void SetSimpleStatus(bool simple);
  void SetSimpleCaption(std::string caption);
  void SetSimpleFrameStyle(TFrameStyle style);

  // Whether the grip is offered now: shown, on a sizeable window that is not maximised.
  bool GripValid() const;
  // Top-left pixels of the six grip dots, client pixels.
  std::array<gfx::Point, 6> GripDots() const;

  gfx::Rect AlignArea() const override;
  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  ui::CursorKind CursorAt(gfx::Point p) const override;
  void Resized() override;
  void Loaded() override;
  void ChildAdded(ui::Control& child) override;
  void ChildRemoved(ui::Control& child) override;

 private:
  TUiVisualStyle PaneVisualStyle() const override { return m_look.VisualStyle; }
  int PaneBorderWidth() const override { return m_look.BorderWidth; }
  bool ServesSizeGrip() const override { return m_showSizeGrip; }
  int PaneAreaRight() const override { return Width(); }
  bool InGrip(gfx::Point p) const;
  void PaintGrip(gfx::Canvas& canvas) const;
  void PaintSimpleCaption(gfx::Canvas& canvas) const;

  PanelStyle m_look;
  bool m_showSizeGrip = true;
  bool m_autoStyle = true;
  bool m_autoScalePanes = false;
  int m_lastWidth = 0;  // the width before the latest resize, for scaling panes
  bool m_simpleStatus = false;
  std::string m_simpleCaption;
  TFrameStyle m_simpleFrameStyle = fsFlat;
  std::vector<ui::Control*> m_hiddenBySimple;  // children to show again after simple mode
};

}  // namespace orvanta::controls
