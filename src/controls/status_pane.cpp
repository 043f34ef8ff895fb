#include "controls/status_pane.h"

#include "controls/color_math.h"
#include "controls/frame_drawing.h"

namespace orvanta::controls {

int StatusPaneTextInset(TFrameStyle style) {
  // Text starts just inside the frame.
  return IsFrameStyle(style) ? kFrameWidths[style] : 0;
}

TUiCustomStatusPane::TUiCustomStatusPane() : BlinkingControl(static_cast<ui::Control&>(*this)) {
  SetBounds(0, 0, 100, 20);
}

void TUiCustomStatusPane::SetAlignment(ui::Alignment alignment) {
  m_alignment = alignment;
  Invalidate();
}

void TUiCustomStatusPane::SetFrameStyle(TFrameStyle style) {
  m_frameStyle = IsFrameStyle(style) ? style : fsFlat;
  Invalidate();
}

void TUiCustomStatusPane::SetBorderWidth(int width) {
  m_borderWidth = width > 0 ? width : 0;
  Invalidate();
}

void TUiCustomStatusPane::SetCaptionOffset(int offset) {
  m_captionOffset = offset;
  Invalidate();
}

void TUiCustomStatusPane::SetFlatColor(gfx::Color color, int adjustment) {
  m_flatColor = color;
  m_flatColorAdjustment = adjustment;
  Invalidate();
}

void TUiCustomStatusPane::SetTransparent(bool transparent) {
  m_transparent = transparent;
  Invalidate();
}

gfx::Rect TUiCustomStatusPane::TextRect() const {
  const int inset = m_borderWidth + StatusPaneTextInset(m_frameStyle);
  return ClientRect().Inflate(-inset, -inset);
}

void TUiCustomStatusPane::PaintFrame(gfx::Canvas& canvas) const {
  const gfx::Rect r = ClientRect().Inflate(-m_borderWidth, -m_borderWidth);
  if (r.IsEmpty() || m_frameStyle == fsNone) {
    return;
  }
  if (m_frameStyle != fsFlat) {
    DrawFrameSides(canvas, r, m_frameStyle, TSides::All());
    return;
  }
  const gfx::Color color = AdjustFlatColor(m_flatColor, m_flatColorAdjustment, canvas.Palette());
  for (const gfx::Rect& line : CornerlessRing(r, 1)) {
    canvas.FillRect(line, color);
  }
}

void TUiCustomStatusPane::PaintCaption(gfx::Canvas& canvas) const {
  if (Caption().empty()) {
    return;
  }
  const gfx::Rect text = TextRect();
  if (text.IsEmpty()) {
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(text);
  if (!m_transparent) {
    canvas.FillRect(text, Color());
  }
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  if (ShowsBlinkColor()) {
    canvas.SetTextColor(BlinkColor());
  }
  const int width = canvas.TextExtent(Caption()).Width;
  const int y = text.Top + (text.Height() - canvas.TextExtent("Pp").Height) / 2;
  int x = text.Left + m_captionOffset + 1;
  if (m_alignment == ui::Alignment::Right) {
    x = text.Right - m_captionOffset - 1 - width;
  } else if (m_alignment == ui::Alignment::Center) {
    x = text.Left + text.Width() / 2 - width / 2;
  }
  if (!EnabledInTree()) {
    canvas.SetTextColor(gfx::clBtnHighlight);
    canvas.TextOut(x + 1, y + 1, Caption());
    canvas.SetTextColor(gfx::clBtnShadow);
  }
  canvas.TextOut(x, y, Caption());
}

void TUiCustomStatusPane::Paint(gfx::Canvas& canvas) {
  if (!m_transparent) {
    canvas.FillRect(ClientRect(), Color());
  }
  PaintFrame(canvas);
  PaintCaption(canvas);
}

}  // namespace orvanta::controls
