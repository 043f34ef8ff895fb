#include "controls/toolbar.h"

#include <vector>

namespace orvanta::controls {

TUiToolbar::TUiToolbar() {
  m_look.BorderOuter = fsGroove;
  m_look.BorderInner = fsNone;
  m_look.BorderSides = {sdTop};
  m_look.VisualStyle = vsWinXP;
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, 32, 32);
  SetAlign(ui::Align::Top);
}

void TUiToolbar::SetLook(const PanelStyle& look) {
  m_look = look;
  Realign();
  Invalidate();
}

void TUiToolbar::SetMetrics(const ToolbarMetrics& metrics) {
  m_metrics = metrics;
  PlaceControls();
}

void TUiToolbar::SetImages(const ui::ImageList* images) {
  m_images = images;
  Invalidate();
}

void TUiToolbar::ChildAdded(ui::Control& child) {
  if (auto* button = dynamic_cast<TUiToolButton*>(&child)) {
    button->SetOwner(this);
  }
}

void TUiToolbar::ChildRemoved(ui::Control& child) {
  if (auto* button = dynamic_cast<TUiToolButton*>(&child)) {
    button->SetOwner(nullptr);
  }
}

gfx::Rect TUiToolbar::AlignArea() const {
  return PanelInnerRect(ClientRect(), m_look);
}

void TUiToolbar::PlaceControls() {
  if (m_placing) {
    return;  // our own height change comes back through Resized
  }
  m_placing = true;
  std::vector<ToolbarItem> items;
  items.reserve(static_cast<std::size_t>(ChildCount()));
  for (int i = 0; i < ChildCount(); ++i) {
    const ui::Control& child = Child(i);
    items.push_back({{child.Width(), child.Height()}, child.Visible()});
  }
  const ToolbarPlacement placement = PlaceToolbarControls(items, Width(), m_metrics);
  for (int i = 0; i < ChildCount(); ++i) {
    if (items[static_cast<std::size_t>(i)].Visible) {
      Child(i).SetBounds(placement.Bounds[static_cast<std::size_t>(i)]);
    }
  }
  if (placement.Height > 0 && placement.Height != Height()) {
    SetSize(Width(), placement.Height);
  }
  m_placing = false;
}

void TUiToolbar::Paint(gfx::Canvas& canvas) {
  PanelStyle style = m_look;
  style.Color = Color();
  DrawPanelFrameAndBackground(canvas, ClientRect(), style);
}

}  // namespace orvanta::controls
