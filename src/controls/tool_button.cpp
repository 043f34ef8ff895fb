#include "controls/tool_button.h"

#include <algorithm>

#include "ui/access_key.h"

namespace orvanta::controls {

namespace {

constexpr int kInnerInset = 2;  // glyph and caption stay this far inside the button
constexpr unsigned kCaptionFlags = gfx::kDtCenter | gfx::kDtWordBreak | gfx::kDtExpandTabs;
constexpr int kSideBySideExtra = 12;  // an auto-sized button: beyond glyph and caption
constexpr int kStackedExtra = 8;      // beyond the caption when the glyph is above or below
constexpr int kAlignedMargin = 4;     // glyph and caption aligned to a side keep this far in

}  // namespace

TUiToolButton::TUiToolButton() {
  // No framework clicks: a grouped button decides itself whether a release clicks.
  SetStyle(ui::kCsAcceptsFocus);
  SetTabStop(false);
  SetBounds(0, 0, 25, 25);
}

void TUiToolButton::SetImages(const ui::ImageList* images) {
  m_images = images;
  Invalidate();
}

void TUiToolButton::SetImageIndex(int index) {
  m_imageIndex = index;
  Invalidate();
}

void TUiToolButton::SetHotIndex(int index) {
  m_hotIndex = index;
  Invalidate();
}

void TUiToolButton::SetDownIndex(int index) {
  m_downIndex = index;
  Invalidate();
}

void TUiToolButton::SetDisabledIndex(int index) {
  m_disabledIndex = index;
  Invalidate();
}

void TUiToolButton::SetLayout(TButtonLayout layout) {
  m_layout = layout;
  Invalidate();
}

void TUiToolButton::SetShowCaption(bool show) {
  m_showCaption = show;
  Invalidate();
}

void TUiToolButton::SetVisualStyle(TUiVisualStyle style) {
  m_visualStyle = style;
  Invalidate();
}

void TUiToolButton::SetGradientColorStyle(TUiGradientColorStyle style) {
  m_gradientColorStyle = style;
  Invalidate();
}

void TUiToolButton::SetSelectionColors(gfx::Color start, gfx::Color stop, gfx::Color frame) {
  m_selectionStart = start;
  m_selectionStop = stop;
  m_selectionFrame = frame;
  Invalidate();
}

void TUiToolButton::SetFlat(bool flat) {
  m_flat = flat;
  Invalidate();
}

void TUiToolButton::SetTransparent(bool transparent) {
  m_transparent = transparent;
  Invalidate();
}

void TUiToolButton::SetAlignment(ui::Alignment alignment) {
  m_alignment = alignment;
  Invalidate();
}

void TUiToolButton::SetUseToolbarShowCaption(bool use) {
  m_useToolbarShowCaption = use;
  ToolbarChanged(ToolbarProperty::ShowCaptions);
}

void TUiToolButton::SetUseToolbarButtonLayout(bool use) {
  m_useToolbarButtonLayout = use;
  ToolbarChanged(ToolbarProperty::Layout);
}

void TUiToolButton::SetUseToolbarButtonSize(bool use) {
  m_useToolbarButtonSize = use;
  ToolbarChanged(ToolbarProperty::Size);
}

void TUiToolButton::SetUseToolbarVisualStyle(bool use) {
  m_useToolbarVisualStyle = use;
  ToolbarChanged(ToolbarProperty::VisualStyle);
}

void TUiToolButton::ToolbarChanged(ToolbarProperty property) {
  if (m_owner == nullptr) {
    return;
  }
  const ToolbarButtonLook& look = m_owner->ButtonLook();
  switch (property) {
    case ToolbarProperty::ShowCaptions:
      if (m_useToolbarShowCaption) {
        SetShowCaption(look.ShowCaptions);
      }
      break;
    case ToolbarProperty::Layout:
      if (m_useToolbarButtonLayout) {
        SetLayout(look.Layout);
      }
      break;
    case ToolbarProperty::VisualStyle:
      if (m_useToolbarVisualStyle) {
        m_visualStyle = look.VisualStyle;
        m_gradientColorStyle = look.GradientColorStyle;
        Invalidate();
      }
      break;
    case ToolbarProperty::Size:
      break;
  }
  // The fitted width depends on whether a caption shows and where the glyph goes.
  FitToToolbar();
}

void TUiToolButton::FitToToolbar() {
  if (!m_useToolbarButtonSize || m_owner == nullptr) {
    return;
  }
  const ToolbarButtonLook& look = m_owner->ButtonLook();
  int caption = 0;
  if (m_showCaption && !Caption().empty()) {
    if (gfx::Canvas* canvas = MeasuringCanvas()) {
      gfx::Rect measure{0, 0, 0, 0};
      canvas->DrawText(Caption(), measure, gfx::kDtSingleLine | gfx::kDtCalcRect);
      caption = measure.Width();
    }
  }
  const ui::ImageList* list = GlyphList();
  const int glyph = m_imageIndex >= 0 && list != nullptr ? list->Width() : 0;
  const bool sideBySide = m_layout == blGlyphLeft || m_layout == blGlyphRight;
  const int content = sideBySide ? glyph + caption + kSideBySideExtra : caption + kStackedExtra;
  SetSize(std::max(look.ButtonWidth, content), look.ButtonHeight);
}

void TUiToolButton::SetOwner(ToolButtonOwner* owner) {
  m_owner = owner;
  // A button put on a toolbar takes what it follows at once.
  for (ToolbarProperty p : {ToolbarProperty::ShowCaptions, ToolbarProperty::Layout,
                            ToolbarProperty::VisualStyle, ToolbarProperty::Size}) {
    ToolbarChanged(p);
  }
}

void TUiToolButton::Loaded() {
  SetOwner(m_owner);
}

void TUiToolButton::SetGroupIndex(int index) {
  m_groupIndex = index;
  if (m_downValue) {
    RaiseGroupSiblings();
  }
}

void TUiToolButton::SetDown(bool down) {
  if (down == m_downValue) {
    return;
  }
  m_downValue = down;
  if (down) {
    RaiseGroupSiblings();
  }
  if (m_state == ToolButtonState::Up || m_state == ToolButtonState::Exclusive) {
    SetState(RestingState());
  }
  Invalidate();
}

void TUiToolButton::SetAllowAllUp(bool allow) {
  m_allowAllUp = allow;
}

void TUiToolButton::RaiseGroupSiblings() {
  if (m_groupIndex == 0 || Parent() == nullptr) {
    return;
  }
  for (int i = 0; i < Parent()->ChildCount(); ++i) {
    auto* other = dynamic_cast<TUiToolButton*>(&Parent()->Child(i));
    if (other != nullptr && other != this && other->m_groupIndex == m_groupIndex) {
      other->SetDown(false);
    }
  }
}

ToolButtonState TUiToolButton::RestingState() const {
  return m_downValue ? ToolButtonState::Exclusive : ToolButtonState::Up;
}

void TUiToolButton::SetState(ToolButtonState state) {
  if (state != m_state) {
    m_state = state;
    Invalidate();
  }
}

void TUiToolButton::Activate() {
  if (m_groupIndex != 0) {
    if (m_downValue && !m_allowAllUp) {
      return;  // the group keeps this one down: nothing changed, no click
    }
    SetDown(!m_downValue);
  }
  Click();
}

const ui::ImageList* TUiToolButton::GlyphList() const {
  if (m_images != nullptr) {
    return m_images;
  }
  return m_owner != nullptr ? m_owner->ButtonImages() : nullptr;
}

int TUiToolButton::GlyphIndex() const {
  const bool enabled = EnabledInTree();
  const bool downLook = m_state == ToolButtonState::Down || m_state == ToolButtonState::Exclusive;
  if (enabled && downLook && m_downIndex >= 0) {
    return m_downIndex;
  }
  if (!enabled && m_disabledIndex >= 0) {
    return m_disabledIndex;
  }
  if (enabled && m_mouseOver && m_hotIndex >= 0) {
    return m_hotIndex;
  }
  return m_imageIndex;
}

ToolButtonPlacement TUiToolButton::Placement(gfx::Canvas& canvas) const {
  const gfx::Rect inner = ClientRect().Inflate(-kInnerInset, -kInnerInset);
  const ui::ImageList* list = GlyphList();
  gfx::Size glyph;
  if (m_imageIndex >= 0 && list != nullptr) {
    glyph = {list->Width(), list->Height()};
  }
  gfx::Size caption;
  if (m_showCaption && !Caption().empty()) {
    gfx::Rect measure = inner;
    if (m_layout == blGlyphTop || m_layout == blGlyphBottom) {
      measure.Top += glyph.Height;
    }
    gfx::CanvasStateSaver saver(canvas);
    canvas.SetFont(Font());
    canvas.DrawText(Caption(), measure, kCaptionFlags | gfx::kDtCalcRect);
    caption = {measure.Width(), measure.Height()};
  }
  ToolButtonPlacement place = PlaceGlyphAndCaption(inner, glyph, caption, m_layout);
  if (m_alignment != ui::Alignment::Center) {
    int left = inner.Right;
    for (const gfx::Rect* r : {&place.Glyph, &place.Caption}) {
      if (!r->IsEmpty()) {
        left = std::min(left, r->Left);
      }
    }
    const int shift = left - kAlignedMargin;
    const int dx = m_alignment == ui::Alignment::Left ? -shift : shift;
    place.Glyph = place.Glyph.IsEmpty() ? place.Glyph : place.Glyph.Offset(dx, 0);
    place.Caption = place.Caption.IsEmpty() ? place.Caption : place.Caption.Offset(dx, 0);
  }
  return place;
}

void TUiToolButton::SetMouseOver(bool over) {
  if (m_mouseOver != over) {
    m_mouseOver = over;
    Invalidate();
  }
}

void TUiToolButton::MouseDown(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left || !EnabledInTree()) {
    return;
  }
  m_dragging = true;
  // A grouped button that is down already stays exclusive while pressed.
  if (m_groupIndex == 0 || !m_downValue) {
    SetState(ToolButtonState::Down);
  }
  SetMouseCapture();
}

void TUiToolButton::MouseMove(const ui::MouseEvent& e) {
  const bool inside = ClientRect().Contains(e.Position);
  if (m_dragging && (m_groupIndex == 0 || !m_downValue)) {
    SetState(inside ? ToolButtonState::Down : RestingState());
  }
  SetMouseOver(inside);
}

void TUiToolButton::MouseUp(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left || !m_dragging) {
    return;
  }
  m_dragging = false;
  const bool inside = ClientRect().Contains(e.Position);
  ReleaseMouseCapture();
  SetState(RestingState());
  // A button still under the pointer shows hot again.
  SetMouseOver(inside);
  if (inside) {
    Activate();  // last: the handler may take the button away
  }
}

void TUiToolButton::CaptureLost() {
  m_dragging = false;
  if (m_state == ToolButtonState::Down) {
    SetState(RestingState());
  }
}

void TUiToolButton::KeyDown(ui::KeyEvent& e) {
  if ((e.Key == ui::kVkReturn || e.Key == ui::kVkSpace) && EnabledInTree()) {
    e.Handled = true;
    Activate();
  }
}

bool TUiToolButton::DialogChar(const ui::CharEvent& e) {
  if (!ui::IsAccessKey(e.Char, Caption()) || !EnabledInTree() || !Showing()) {
    return false;
  }
  Activate();
  return true;
}

void TUiToolButton::EnabledChanged() {
  if (!Enabled()) {
    m_dragging = false;
    m_state = ToolButtonState::Disabled;
  } else {
    m_state = RestingState();
  }
  Invalidate();
}

}  // namespace orvanta::controls
