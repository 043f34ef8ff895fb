#include "controls/tool_button.h"

#include "controls/color_ramp.h"
#include "controls/color_sets.h"
#include "controls/frame_drawing.h"
#include "ui/access_key.h"

namespace orvanta::controls {

namespace {

constexpr int kInnerInset = 2;  // glyph and caption stay this far inside the button
constexpr unsigned kCaptionFlags = gfx::kDtCenter | gfx::kDtWordBreak | gfx::kDtExpandTabs;

}  // namespace

TUiToolButton::TUiToolButton() {
  SetStyle(ui::kCsAcceptsFocus | ui::kCsClickEvents);
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

const ui::ImageList* TUiToolButton::GlyphList() const {
  if (m_images != nullptr) {
    return m_images;
  }
  return m_owner != nullptr ? m_owner->ButtonImages() : nullptr;
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
  return PlaceGlyphAndCaption(inner, glyph, caption, m_layout);
}

void TUiToolButton::PaintFace(gfx::Canvas& canvas) const {
  const bool hot = m_mouseOver && EnabledInTree();
  if (!m_down && !hot) {
    return;
  }
  const gfx::Rect client = ClientRect();
  if (m_visualStyle == vsGradient) {
    const SelectionColors colors = SelectionColorSet(canvas.Palette());
    const gfx::Rect inside = DrawFrameSides(canvas, client, fsFlat, TSides::All(), colors.Frame);
    if (m_down) {
      FillVerticalRamp(canvas, inside, colors.Stop, colors.Start);
    } else {
      FillVerticalRamp(canvas, inside, colors.Start, colors.Stop);
    }
    return;
  }
  DrawFrameSides(canvas, client, m_down ? fsStatus : fsPopup, TSides::All());
}

void TUiToolButton::Paint(gfx::Canvas& canvas) {
  PaintFace(canvas);
  const ToolButtonPlacement place = Placement(canvas);
  const bool enabled = EnabledInTree();
  // Pressed buttons of the plain styles move their content by a pixel.
  const int shift = m_down && m_visualStyle != vsGradient ? 1 : 0;
  if (const ui::ImageList* list = GlyphList(); list != nullptr && !place.Glyph.IsEmpty()) {
    list->Draw(canvas, place.Glyph.Left + shift, place.Glyph.Top + shift, m_imageIndex,
               enabled ? gfx::ImageDrawStyle::Normal : gfx::ImageDrawStyle::Disabled);
  }
  if (!place.Caption.IsEmpty()) {
    gfx::Rect text = place.Caption.Offset(shift, shift);
    canvas.SetBkMode(gfx::BackgroundMode::Transparent);
    if (!enabled) {
      canvas.SetTextColor(gfx::clBtnShadow);
    }
    canvas.DrawText(Caption(), text, kCaptionFlags | gfx::kDtVCenter);
  }
}

void TUiToolButton::SetMouseOver(bool over) {
  if (m_mouseOver != over) {
    m_mouseOver = over;
    Invalidate();
  }
}

void TUiToolButton::SetDown(bool down) {
  if (m_down != down) {
    m_down = down;
    Invalidate();
  }
}

void TUiToolButton::MouseDown(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left || !EnabledInTree()) {
    return;
  }
  m_dragging = true;
  SetDown(true);
  SetMouseCapture();
}

void TUiToolButton::MouseMove(const ui::MouseEvent& e) {
  const bool inside = ClientRect().Contains(e.Position);
  if (m_dragging) {
    SetDown(inside);
  }
  SetMouseOver(inside);
}

void TUiToolButton::MouseUp(const ui::MouseEvent& e) {
  if (e.Button != ui::MouseButton::Left || !m_dragging) {
    return;
  }
  m_dragging = false;
  SetDown(false);
  ReleaseMouseCapture();
  // The click itself comes from the framework after this, when released inside; a button
  // still under the pointer shows hot again.
  SetMouseOver(ClientRect().Contains(e.Position));
}

void TUiToolButton::CaptureLost() {
  m_dragging = false;
  SetDown(false);
}

void TUiToolButton::KeyDown(ui::KeyEvent& e) {
  if ((e.Key == ui::kVkReturn || e.Key == ui::kVkSpace) && EnabledInTree()) {
    e.Handled = true;
    Click();
  }
}

bool TUiToolButton::DialogChar(const ui::CharEvent& e) {
  if (!ui::IsAccessKey(e.Char, Caption()) || !EnabledInTree() || !Showing()) {
    return false;
  }
  Click();
  return true;
}

void TUiToolButton::VisibleChanged() {
  if (m_owner != nullptr) {
    m_owner->ButtonVisibilityChanged();
  }
}

void TUiToolButton::EnabledChanged() {
  if (!Enabled()) {
    m_dragging = false;
    m_down = false;
  }
  Invalidate();
}

}  // namespace orvanta::controls
