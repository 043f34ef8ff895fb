#include "ui/label.h"

#include "ui/access_key.h"

namespace orvanta::ui {

Label::Label() {
  SetStyle(kCsClickEvents);
  SetBounds(0, 0, 65, 13);
}

void Label::SetAutoSize(bool autoSize) {
  m_autoSize = autoSize;
  AdjustBounds();
}

void Label::SetAlignment(Alignment alignment) {
  m_alignment = alignment;
  Invalidate();
}

void Label::SetLayout(TextLayout layout) {
  m_layout = layout;
  Invalidate();
}

void Label::SetTransparent(bool transparent) {
  m_transparent = transparent;
  Invalidate();
}

void Label::SetWordWrap(bool wordWrap) {
  m_wordWrap = wordWrap;
  AdjustBounds();
  Invalidate();
}

void Label::SetShowAccelChar(bool show) {
  m_showAccelChar = show;
  AdjustBounds();
  Invalidate();
}

unsigned Label::TextFlags() const {
  unsigned flags = gfx::kDtExpandTabs;
  switch (m_alignment) {
    case Alignment::Left:
      flags |= gfx::kDtLeft;
      break;
    case Alignment::Right:
      flags |= gfx::kDtRight;
      break;
    case Alignment::Center:
      flags |= gfx::kDtCenter;
      break;
  }
  if (m_wordWrap) {
    flags |= gfx::kDtWordBreak;
  }
  if (!m_showAccelChar) {
    flags |= gfx::kDtNoPrefix;
  }
  return flags;
}

void Label::AdjustBounds() {
  if (!m_autoSize) {
    return;
  }
  gfx::Canvas* canvas = MeasuringCanvas();
  if (canvas == nullptr) {
    return;
  }
  // An empty caption still takes one line.
  std::string text = Caption();
  if (text.empty() || (m_showAccelChar && text == "&")) {
    text += ' ';
  }
  gfx::Rect r{0, 0, m_wordWrap ? Width() : 0, 0};
  canvas->DrawText(text, r, TextFlags() | gfx::kDtCalcRect);
  const int width = m_wordWrap ? Width() : r.Width();
  const int left = m_alignment == Alignment::Right && !m_wordWrap ? Bounds().Right - width : Left();
  SetBounds(left, Top(), width, r.Height());
}

void Label::Paint(gfx::Canvas& canvas) {
  const gfx::Rect client = ClientRect();
  if (!m_transparent) {
    canvas.FillRect(client, Color());
  }
  canvas.SetBkMode(gfx::BackgroundMode::Transparent);
  gfx::Rect text = client;
  unsigned flags = TextFlags();
  if (m_layout != TextLayout::Top) {
    gfx::Rect measured = text;
    canvas.DrawText(Caption(), measured, flags | gfx::kDtCalcRect);
    const int spare = client.Height() - measured.Height();
    text.Top += m_layout == TextLayout::Center ? spare / 2 : spare;
  }
  if (!EnabledInTree()) {
    // The engraved look of disabled text: a highlight copy one pixel down and right.
    gfx::Rect shadow = text.Offset(1, 1);
    canvas.SetTextColor(gfx::clBtnHighlight);
    canvas.DrawText(Caption(), shadow, flags);
    canvas.SetTextColor(gfx::clBtnShadow);
  }
  canvas.DrawText(Caption(), text, flags);
}

bool Label::DialogChar(const CharEvent& e) {
  if (!m_showAccelChar || m_focusControl == nullptr || !IsAccessKey(e.Char, Caption())) {
    return false;
  }
  return m_focusControl->SetFocus();
}

}  // namespace orvanta::ui
