#pragma once

#include "ui/control.h"
#include "ui/text_alignment.h"

namespace orvanta::ui {

// Static text. With AutoSize (the default) the label takes the size of its text: a
// right-aligned label keeps its right edge, others their left edge; with WordWrap it keeps its
// width and takes the height of the wrapped text. "&" marks an access key that focuses
// FocusControl.
class Label : public Control {
 public:
  Label();
  void SetAutoSize(bool autoSize);
  void SetAlignment(Alignment alignment);
  TextLayout Layout() const { return m_layout; }
  void SetLayout(TextLayout layout);
  void SetTransparent(bool transparent);
  void SetWordWrap(bool wordWrap);
  void SetShowAccelChar(bool show);
  Control* FocusControl() const { return m_focusControl; }
  void SetFocusControl(Control* control) { m_focusControl = control; }

  // The DrawText options for the current settings.
  unsigned TextFlags() const;
  // Re-measures the text and resizes the label when AutoSize is on.
  void AdjustBounds();

  void Paint(gfx::Canvas& canvas) override;

 protected:
  bool DialogChar(const CharEvent& e) override;
  void CaptionChanged() override { AdjustBounds(); }
  void FontChanged() override { AdjustBounds(); }
  void FormChanged() override { AdjustBounds(); }

 private:
  bool m_autoSize = true;
  Alignment m_alignment = Alignment::Left;
  TextLayout m_layout = TextLayout::Top;
  bool m_transparent = false;
  bool m_wordWrap = false;
  bool m_showAccelChar = true;
  Control* m_focusControl = nullptr;  // not owned; cleared never, so it must outlive the label
};

}  // namespace orvanta::ui
