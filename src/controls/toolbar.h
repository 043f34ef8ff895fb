#pragma once

#include <string>
#include <vector>

#include "controls/panel_painting.h"
#include "controls/tool_button.h"
#include "controls/toolbar_layout.h"
#include "gfx/bitmap.h"
#include "ui/control.h"
#include "ui/image_list.h"

namespace orvanta::controls {

// Presets of caption, size and layout for the toolbar and its buttons; ttoCustom leaves each
// button's own settings alone.
enum TUiToolbarTextOptions : std::uint8_t {
  ttoNoTextLabels,
  ttoShowTextLabels,
  ttoSelectiveTextOnRight,
  ttoCustom,
};

// A toolbar docked to the window's top: it places its controls itself, in its stored order,
// and paints a bordered panel background behind them (a vertical ramp in the gradient style).
// Its buttons take captions, layout, size and look from it while their UseToolbar... flags
// are on.
class TUiToolbar : public ui::Control, private ToolButtonOwner {
 public:
  static constexpr int kDefaultSize = 32;

  TUiToolbar();

  // Frame and background; the toolbar's own defaults are a groove on the top side and the
  // XP style. Setting it repaints, places the aligned children again and gives the buttons a
  // changed visual style.
  const PanelStyle& Look() const { return m_look; }
  void SetLook(const PanelStyle& look);
  // Placement settings; setting them places the controls again.
  const ToolbarMetrics& Metrics() const { return m_metrics; }
  void SetMetrics(const ToolbarMetrics& metrics);
  // With AutoStyle the standard divider for the alignment is applied once the layout is loaded;
  // ShowDivider off leaves it out.
  void SetAutoStyle(bool autoStyle) { m_autoStyle = autoStyle; }
  void SetShowDivider(bool show) { m_showDivider = show; }

  // What the buttons that follow the toolbar take from it. Setting any of these directly
  // makes the text options custom.
  const ToolbarButtonLook& ButtonLook() const override { return m_buttonLook; }
  void SetShowButtonCaptions(bool show);
  void SetButtonLayout(TButtonLayout layout);
  void SetButtonSize(int width, int height);
  TUiToolbarTextOptions TextOptions() const { return m_textOptions; }
  void SetTextOptions(TUiToolbarTextOptions options);

  // Glyphs for the buttons that have no image list of their own (not owned).
  void SetImages(const ui::ImageList* images);
  // A picture tiled over the background inside the frame; an empty one shows none.
  void SetBackground(gfx::Image picture);

  // The stored order of the controls, by name: resolved against the children (names compared
  // without regard to case) when the layout is loaded, or at once after that; a name without
  // such a child is dropped.
  // Children missing from the order follow it in the order they were added.
  void SetToolbarControls(std::vector<std::string> names);
  const std::vector<ui::Control*>& ControlOrder() const { return m_order; }

  // Places the children again (and fits the height to them); runs whenever a child is added,
  // removed, resized, shown or hidden and when the toolbar's size or metrics change.
  void PlaceControls();

  gfx::Rect AlignArea() const override;
  void Paint(gfx::Canvas& canvas) override;

 protected:
  void Resized() override { PlaceControls(); }
  void Loaded() override;
  void ChildAdded(ui::Control& child) override;
  void ChildRemoved(ui::Control& child) override;
  void ChildResized(ui::Control&) override { PlaceControls(); }
  void ChildVisibleChanged(ui::Control&) override { PlaceControls(); }

 private:
  const ui::ImageList* ButtonImages() const override { return m_images; }
  void ResolveStoredOrder();
  void ApplyAutoStyle();
  // Tells every button of a change; buttons whose flag for it is on copy the new value.
  void TellButtons(ToolbarProperty property);

  PanelStyle m_look;
  ToolbarMetrics m_metrics;
  ToolbarButtonLook m_buttonLook;
  TUiToolbarTextOptions m_textOptions = ttoNoTextLabels;
  bool m_autoStyle = true;
  bool m_showDivider = true;
  const ui::ImageList* m_images = nullptr;
  gfx::Image m_background;
  std::vector<std::string> m_storedNames;
  std::vector<ui::Control*> m_order;  // children, owned by the tree
  bool m_placing = false;
  bool m_loaded = false;
};

}  // namespace orvanta::controls
