#include "controls/status_pane.h"

#include <algorithm>

#include "controls/color_math.h"
#include "controls/color_sets.h"
#include "controls/frame_drawing.h"
#include "ui/application.h"

namespace orvanta::controls {

namespace {

constexpr int kAutoSizeExtra = 6;  // beyond the caption, both border widths and the offset

}  // namespace

int StatusPaneTextInset(TFrameStyle style) {
  // Text starts just inside the frame.
  return IsFrameStyle(style) ? kFrameWidths[style] : 0;
}

void DrawStatusPaneFrame(gfx::Canvas& canvas, const gfx::Rect& r, TFrameStyle style,
                         gfx::Color flatColor) {
  if (r.IsEmpty() || style == fsNone) {
    return;
  }
  if (style != fsFlat) {
    DrawFrameSides(canvas, r, style, TSides::All());
    return;
  }
  // Four lines that leave the corner pixels out.
  for (const gfx::Rect& line : CornerlessRing(r, 1)) {
    canvas.FillRect(line, flatColor);
  }
}

void DrawStatusPaneCaption(gfx::Canvas& canvas, const gfx::Rect& text, std::string_view caption,
                           ui::Alignment alignment, int captionOffset, bool enabled) {
  if (caption.empty() || text.IsEmpty()) {
    return;
  }
  gfx::CanvasStateSaver saver(canvas);
  canvas.IntersectClipRect(text);
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  const int width = canvas.TextExtent(caption).Width;
  const int y = text.Top + (text.Height() - canvas.TextExtent("Pp").Height) / 2;
  int x = text.Left + captionOffset + 1;
  if (alignment == ui::Alignment::Right) {
    x = text.Right - captionOffset - 1 - width;
  } else if (alignment == ui::Alignment::Center) {
    x = text.Left + text.Width() / 2 - width / 2;
  }
  if (!enabled) {
    canvas.SetTextColor(gfx::clBtnHighlight);
    canvas.TextOut(x + 1, y + 1, caption);
    canvas.SetTextColor(gfx::clBtnShadow);
  }
  canvas.TextOut(x, y, caption);
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
  FitWidth();
  Invalidate();
}

void TUiCustomStatusPane::SetCaptionOffset(int offset) {
  m_captionOffset = offset;
  FitWidth();
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

gfx::Color TUiCustomStatusPane::FillColor() const {
  return m_parentFillColor ? Color() : m_fillColor;
}

void TUiCustomStatusPane::SetFillColor(gfx::Color color) {
  m_fillColor = color;
  m_parentFillColor = false;
  Invalidate();
}

void TUiCustomStatusPane::SetParentFillColor(bool parent) {
  m_parentFillColor = parent;
  Invalidate();
}

void TUiCustomStatusPane::SetAutoSize(bool autoSize) {
  m_autoSize = autoSize;
  FitWidth();
}

void TUiCustomStatusPane::SetDefaultWidth(int width) {
  m_defaultWidth = std::max(width, 0);
  FitWidth();
}

void TUiCustomStatusPane::FitWidth() {
  if (!m_autoSize) {
    return;
  }
  int width = m_defaultWidth;
  if (!Caption().empty()) {
    gfx::Canvas* canvas = MeasuringCanvas();
    if (canvas == nullptr) {
      return;  // measured once the pane is on a window
    }
    gfx::Rect measure{0, 0, 0, 0};
    canvas->DrawText(Caption(), measure,
                     gfx::kDtCalcRect | gfx::kDtSingleLine | gfx::kDtExpandTabs | gfx::kDtNoPrefix);
    width = measure.Width() + 2 * m_borderWidth + m_captionOffset + kAutoSizeExtra;
  }
  SetSize(width, Height());
}

void TUiCustomStatusPane::FontChanged() {
  FitWidth();
}

void TUiCustomStatusPane::Loaded() {
  // A pane with a colour of its own shows it.
  if (!ParentColor()) {
    m_transparent = false;
  }
  FitWidth();
}

gfx::Rect TUiCustomStatusPane::TextRect() const {
  const int inset = m_borderWidth + StatusPaneTextInset(m_frameStyle);
  return ClientRect().Inflate(-inset, -inset);
}

void TUiCustomStatusPane::PaintFrame(gfx::Canvas& canvas) const {
  const gfx::Rect r = ClientRect().Inflate(-m_borderWidth, -m_borderWidth);
  if (m_owner != nullptr && m_owner->PaneVisualStyle() == vsGradient) {
    // No frame on a gradient bar: a separator at the left of every pane but the first.
    if (Left() > m_owner->PaneBorderWidth() && !r.IsEmpty()) {
      canvas.FillRect({r.Left, r.Top + 1, r.Left + 1, r.Bottom - 1},
                      StatusColorSet(canvas.Palette()).Third);
    }
    return;
  }
  DrawStatusPaneFrame(canvas, r, m_frameStyle,
                      AdjustFlatColor(m_flatColor, m_flatColorAdjustment, canvas.Palette()));
}

void TUiCustomStatusPane::PaintCaption(gfx::Canvas& canvas) const {
  const gfx::Rect text = TextRect();
  if (!m_transparent && !text.IsEmpty()) {
    canvas.FillRect(text, FillColor());
  }
  if (ShowsBlinkColor()) {
    canvas.SetTextColor(BlinkColor());
  }
  DrawStatusPaneCaption(canvas, text, Caption(), m_alignment, m_captionOffset, EnabledInTree());
}

void TUiCustomStatusPane::Paint(gfx::Canvas& canvas) {
  if (!m_transparent) {
    canvas.FillRect(ClientRect(), Color());
  }
  PaintFrame(canvas);
  PaintCaption(canvas);
}

TUiStatusPane::~TUiStatusPane() {
  StopListening();
}

void TUiStatusPane::SetAutoHint(bool autoHint) {
  if (autoHint == m_autoHint) {
    return;
  }
  m_autoHint = autoHint;
  if (autoHint) {
    Listen();
  } else {
    StopListening();
  }
}

void TUiStatusPane::FormChanged() {
  TUiCustomStatusPane::FormChanged();
  StopListening();
  if (m_autoHint) {
    Listen();
  }
}

void TUiStatusPane::Listen() {
  ui::Application* app = App();
  if (app == nullptr || m_hintApp != nullptr) {
    return;
  }
  m_hintApp = app;
  m_hintListener = app->AddHintListener([this](const std::string& hint) { SetCaption(hint); });
  SetCaption(app->Hint());
}

void TUiStatusPane::StopListening() {
  if (m_hintApp != nullptr) {
    m_hintApp->RemoveHintListener(m_hintListener);
    m_hintApp = nullptr;
  }
}

}  // namespace orvanta::controls
