// Painting of a tool button: the face for its state and style, then glyph and caption.
#include "controls/color_math.h"
#include "controls/color_ramp.h"
#include "controls/color_sets.h"
#include "controls/frame_drawing.h"
#include "controls/tool_button.h"
#include "gfx/bitmap.h"

namespace orvanta::controls {

namespace {

constexpr unsigned kCaptionFlags =
    gfx::kDtCenter | gfx::kDtVCenter | gfx::kDtWordBreak | gfx::kDtExpandTabs;
constexpr int kExclusiveAwayShade = 40;  // the ramp's top of a down button without the mouse

}  // namespace

void TUiToolButton::Paint(gfx::Canvas& canvas) {
  if (!m_transparent) {
    canvas.FillRect(ClientRect(), Color());
  }
  PaintFace(canvas);
  const ToolButtonPlacement place = Placement(canvas);
  const bool enabled = EnabledInTree();
  const bool downLook =
      enabled && (m_state == ToolButtonState::Down || m_state == ToolButtonState::Exclusive);
  // Down buttons of the plain styles move their content by a pixel.
  const int shift = downLook && m_visualStyle != vsGradient ? 1 : 0;
  const int glyph = GlyphIndex();
  if (const ui::ImageList* list = GlyphList();
      list != nullptr && glyph >= 0 && !place.Glyph.IsEmpty()) {
    const bool greyed = !enabled && m_disabledIndex < 0;
    list->Draw(canvas, place.Glyph.Left + shift, place.Glyph.Top + shift, glyph,
               greyed ? gfx::ImageDrawStyle::Disabled : gfx::ImageDrawStyle::Normal);
  }
  if (!place.Caption.IsEmpty()) {
    gfx::Rect text = place.Caption.Offset(shift, shift);
    canvas.SetBkMode(gfx::BackgroundMode::Transparent);
    if (!enabled) {
      canvas.SetTextColor(gfx::clBtnShadow);
    } else if (downLook && m_visualStyle != vsGradient) {
      canvas.SetTextColor(gfx::clHighlightText);
    }
    canvas.DrawText(Caption(), text, kCaptionFlags);
  }
}

void TUiToolButton::PaintFace(gfx::Canvas& canvas) const {
  const bool enabled = EnabledInTree();
  const bool hot = m_mouseOver && enabled;
  const ToolButtonState state = enabled ? m_state : ToolButtonState::Disabled;
  const bool down = state == ToolButtonState::Down || state == ToolButtonState::Exclusive;
  if (m_visualStyle == vsGradient) {
    if (down || hot) {
      PaintGradientFace(canvas);
    }
    return;
  }
  const gfx::Rect client = ClientRect();
  TFrameStyleEx frame = fsNone;
  if (m_visualStyle == vsClassic && !m_flat) {
    frame = down ? fsLowered : fsButtonUp;
  } else if (down) {
    frame = fsStatus;
  } else if (hot) {
    frame = fsPopup;
  }
  if (state == ToolButtonState::Exclusive) {
    PaintCheckerFill(canvas, client.Inflate(-kFrameWidths[frame], -kFrameWidths[frame]));
  }
  DrawFrameSides(canvas, client, frame, TSides::All());
}

void TUiToolButton::PaintGradientFace(gfx::Canvas& canvas) const {
  const gfx::SystemPalette& palette = canvas.Palette();
  SelectionColors colors = SelectionColorSet(palette);
  if (m_gradientColorStyle == gcsCustom) {
    colors = {m_selectionFrame, m_selectionStart, m_selectionStop};
  }
  const gfx::Rect inside =
      DrawFrameSides(canvas, ClientRect(), fsFlat, TSides::All(), colors.Frame);
  const bool hot = m_mouseOver;
  const bool pressedLook = m_state == ToolButtonState::Down ||
                           (m_state == ToolButtonState::Exclusive && hot && m_downValue);
  if (pressedLook) {
    FillVerticalRamp(canvas, inside, colors.Stop, colors.Start);
  } else if (m_state == ToolButtonState::Exclusive && !hot) {
    FillVerticalRamp(canvas, inside, ShadeColor(colors.Stop, kExclusiveAwayShade, palette),
                     colors.Start);
  } else {
    FillVerticalRamp(canvas, inside, colors.Start, colors.Stop);
  }
}

void TUiToolButton::PaintCheckerFill(gfx::Canvas& canvas, const gfx::Rect& r) const {
  if (r.IsEmpty()) {
    return;
  }
  // Face and highlight pixels alternate, as the pattern brush of a latched button.
  const gfx::Pixel face = canvas.Palette().ToPixel(gfx::clBtnFace);
  const gfx::Pixel light = canvas.Palette().ToPixel(gfx::clBtnHighlight);
  gfx::Bitmap checker(r.Width(), r.Height());
  for (int y = 0; y < r.Height(); ++y) {
    gfx::Pixel* row = checker.Row(y);
    for (int x = 0; x < r.Width(); ++x) {
      row[x] = (x + y) % 2 == 0 ? face : light;
    }
  }
  canvas.DrawBitmap(r.Left, r.Top, checker);
}

}  // namespace orvanta::controls
