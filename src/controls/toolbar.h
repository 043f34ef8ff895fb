#pragma once

#include "controls/panel_painting.h"
#include "controls/tool_button.h"
#include "controls/toolbar_layout.h"
#include "ui/control.h"
#include "ui/image_list.h"

namespace orvanta::controls {

// A toolbar docked to the window's top: it places its controls itself, in child order, and
// paints a bordered panel background behind them (a vertical ramp in the gradient style).
class TUiToolbar : public ui::Control, private ToolButtonOwner {
 public:
  TUiToolbar();

  // Frame and background; the toolbar's own defaults are a groove on the top side and the
  // XP style. Setting it repaints and places the aligned children again.
  const PanelStyle& Look() const { return m_look; }
  void SetLook(const PanelStyle& look);
  // Placement settings; setting them places the controls again.
  const ToolbarMetrics& Metrics() const { return m_metrics; }
  void SetMetrics(const ToolbarMetrics& metrics);

  // Glyphs for the buttons that have no image list of their own (not owned).
  void SetImages(const ui::ImageList* images);

  // Places the children again (and fits the height to them); runs on every size change and
  // whenever a button is shown or hidden.
  void PlaceControls();

  gfx::Rect AlignArea() const override;
  void Paint(gfx::Canvas& canvas) override;

 protected:
  void Resized() override { PlaceControls(); }
  void ChildAdded(ui::Control& child) override;
  void ChildRemoved(ui::Control& child) override;

 private:
  const ui::ImageList* ButtonImages() const override { return m_images; }
  void ButtonVisibilityChanged() override { PlaceControls(); }

  PanelStyle m_look;
  ToolbarMetrics m_metrics;
  const ui::ImageList* m_images = nullptr;
  bool m_placing = false;
};

}  // namespace orvanta::controls
