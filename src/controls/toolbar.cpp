#include "controls/toolbar.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvanta::controls {

namespace {

struct TextOptionsPreset {
  TButtonLayout Layout;
  int ButtonWidth;
  int ButtonHeight;
  bool ShowCaptions;
  int RowHeight;
};

// Indexed by TUiToolbarTextOptions, ttoCustom excluded.
constexpr std::array<TextOptionsPreset, ttoCustom> kTextOptionsPresets = {{
    {blGlyphLeft, 25, 25, false, 25},  // ttoNoTextLabels
    {blGlyphTop, 60, 40, true, 40},    // ttoShowTextLabels
    {blGlyphLeft, 60, 25, true, 25},   // ttoSelectiveTextOnRight
}};

bool SameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

TUiToolbar::TUiToolbar() {
  m_look.BorderOuter = fsGroove;
  m_look.BorderInner = fsNone;
  m_look.BorderSides = {sdTop};
  m_look.VisualStyle = vsWinXP;
  m_buttonLook.VisualStyle = m_look.VisualStyle;
  m_buttonLook.GradientColorStyle = m_look.GradientColorStyle;
  SetColor(gfx::clBtnFace);
  SetBounds(0, 0, kDefaultSize, kDefaultSize);
  SetAlign(ui::Align::Top);
}

void TUiToolbar::SetLook(const PanelStyle& look) {
  const bool styleChanged = look.VisualStyle != m_look.VisualStyle ||
                            look.GradientColorStyle != m_look.GradientColorStyle;
  m_look = look;
  Realign();
  Invalidate();
  if (styleChanged) {
    m_buttonLook.VisualStyle = look.VisualStyle;
    m_buttonLook.GradientColorStyle = look.GradientColorStyle;
    TellButtons(ToolbarProperty::VisualStyle);
  }
}

void TUiToolbar::SetMetrics(const ToolbarMetrics& metrics) {
  m_metrics = metrics;
  PlaceControls();
}

void TUiToolbar::SetShowButtonCaptions(bool show) {
  m_textOptions = ttoCustom;
  if (show != m_buttonLook.ShowCaptions) {
    m_buttonLook.ShowCaptions = show;
    TellButtons(ToolbarProperty::ShowCaptions);
  }
}

void TUiToolbar::SetButtonLayout(TButtonLayout layout) {
  m_textOptions = ttoCustom;
  if (layout != m_buttonLook.Layout) {
    m_buttonLook.Layout = layout;
    TellButtons(ToolbarProperty::Layout);
  }
}

void TUiToolbar::SetButtonSize(int width, int height) {
  m_textOptions = ttoCustom;
  if (width != m_buttonLook.ButtonWidth || height != m_buttonLook.ButtonHeight) {
    m_buttonLook.ButtonWidth = width;
    m_buttonLook.ButtonHeight = height;
    TellButtons(ToolbarProperty::Size);
  }
}

void TUiToolbar::SetTextOptions(TUiToolbarTextOptions options) {
  if (options > ttoCustom) {
    return;
  }
  if (options != ttoCustom) {
    const TextOptionsPreset& preset = kTextOptionsPresets[options];
    SetShowButtonCaptions(preset.ShowCaptions);
    SetButtonLayout(preset.Layout);
    SetButtonSize(preset.ButtonWidth, preset.ButtonHeight);
    m_metrics.RowHeight = preset.RowHeight;
    PlaceControls();
  }
  m_textOptions = options;
}

void TUiToolbar::TellButtons(ToolbarProperty property) {
  // One placement after all buttons have changed.
  const bool placing = std::exchange(m_placing, true);
  for (int i = 0; i < ChildCount(); ++i) {
    if (auto* button = dynamic_cast<TUiToolButton*>(&Child(i))) {
      button->ToolbarChanged(property);
    }
  }
  m_placing = placing;
  PlaceControls();
}

void TUiToolbar::SetImages(const ui::ImageList* images) {
  m_images = images;
  Invalidate();
}

void TUiToolbar::SetBackground(gfx::Image picture) {
  m_background = std::move(picture);
  Invalidate();
}

void TUiToolbar::SetToolbarControls(std::vector<std::string> names) {
  m_storedNames = std::move(names);
  if (m_loaded) {
    ResolveStoredOrder();
    PlaceControls();
  }
}

void TUiToolbar::ChildAdded(ui::Control& child) {
  m_order.push_back(&child);
  if (auto* button = dynamic_cast<TUiToolButton*>(&child)) {
    button->SetOwner(this);
  }
  PlaceControls();
}

void TUiToolbar::ChildRemoved(ui::Control& child) {
  std::erase(m_order, &child);
  if (auto* button = dynamic_cast<TUiToolButton*>(&child)) {
    button->SetOwner(nullptr);
  }
  PlaceControls();
}

void TUiToolbar::ResolveStoredOrder() {
  std::vector<ui::Control*> order;
  for (const std::string& name : m_storedNames) {
    const auto it = std::find_if(m_order.begin(), m_order.end(),
                                 [&](const ui::Control* c) { return SameName(c->Name, name); });
    if (it != m_order.end() && std::find(order.begin(), order.end(), *it) == order.end()) {
      order.push_back(*it);
    }
  }
  for (ui::Control* child : m_order) {
    if (std::find(order.begin(), order.end(), child) == order.end()) {
      order.push_back(child);
    }
  }
  m_order = std::move(order);
  m_storedNames.clear();
}

void TUiToolbar::ApplyAutoStyle() {
  // The divider is on the side that faces the window's client area.
  TSides sides;
  switch (GetAlign()) {
    case ui::Align::Bottom:
      sides = {sdTop};
      break;
    case ui::Align::Left:
      sides = {sdRight};
      break;
    case ui::Align::Right:
      sides = {sdLeft};
      break;
    default:
      sides = {sdBottom};
      break;
  }
  PanelStyle look = m_look;
  look.BorderOuter = m_showDivider ? fsGroove : fsNone;
  look.BorderInner = fsNone;
  look.BorderSides = sides;
  look.BorderWidth = 0;
  SetLook(look);
}

void TUiToolbar::Loaded() {
  m_loaded = true;
  ResolveStoredOrder();
  if (m_autoStyle) {
    ApplyAutoStyle();
  }
  PlaceControls();
}

gfx::Rect TUiToolbar::AlignArea() const {
  return PanelInnerRect(ClientRect(), m_look);
}

void TUiToolbar::PlaceControls() {
  if (m_placing) {
    return;  // our own changes come back through Resized and the child hooks
  }
  m_placing = true;
  std::vector<ToolbarItem> items;
  items.reserve(m_order.size());
  for (const ui::Control* child : m_order) {
    items.push_back({{child->Width(), child->Height()}, child->Visible()});
  }
  const ToolbarPlacement placement = PlaceToolbarControls(items, Width(), m_metrics);
  for (std::size_t i = 0; i < m_order.size(); ++i) {
    if (items[i].Visible) {
      m_order[i]->SetBounds(placement.Bounds[i]);
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
  const gfx::Rect inner = DrawPanelFrameAndBackground(canvas, ClientRect(), style);
  if (m_background.Width <= 0 || m_background.Height <= 0 || inner.IsEmpty()) {
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(inner);
  const gfx::Rect clip = canvas.ClipBox();
  for (int y = inner.Top; y < inner.Bottom; y += m_background.Height) {
    for (int x = inner.Left; x < inner.Right; x += m_background.Width) {
      const gfx::Rect tile = gfx::Rect::FromSize(x, y, m_background.Width, m_background.Height);
      if (!tile.Intersect(clip).IsEmpty()) {
        canvas.DrawImage(x, y, m_background, gfx::ImageDrawStyle::Normal);
      }
    }
  }
}

}  // namespace orvanta::controls
