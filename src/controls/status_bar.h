#pragma once

#include <array>

#include "controls/panel_painting.h"
#include "ui/control.h"

namespace orvanta::controls {

// The window's bottom bar: panes aligned side by side on a plain background and, while the
// window can be sized, a grip of six dots at the bottom-right corner whose rightmost 13 pixels
// start the window's size operation.
class TUiStatusBar : public ui::Control {
 public:
  static constexpr int kGripHotWidth = 13;

  TUiStatusBar();

  // Frame and background (no border by default); setting it repaints and places the panes
  // again.
  void SetLook(const PanelStyle& look);
  void SetShowSizeGrip(bool show);

  // Whether the grip is offered now: shown, on a sizeable window that is not maximised.
  bool GripValid() const;
  // Top-left pixels of the six grip dots, client pixels.
  std::array<gfx::Point, 6> GripDots() const;

  gfx::Rect AlignArea() const override;
  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const ui::MouseEvent& e) override;
  ui::CursorKind CursorAt(gfx::Point p) const override;

 private:
  bool InGrip(gfx::Point p) const;

  PanelStyle m_look;
  bool m_showSizeGrip = true;
};

}  // namespace orvanta::controls
