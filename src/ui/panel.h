#pragma once

#include "ui/control.h"
#include "ui/text_alignment.h"

namespace orvanta::ui {

enum class BevelCut { None, Lowered, Raised };

// A plain container: its colour, an optional outer and inner bevel, a border gap, and a
// caption centred vertically. Aligned children share the area inside the bevels.
class Panel : public Control {
 public:
  Panel();
  void SetBevelOuter(BevelCut cut);
  void SetBevelInner(BevelCut cut);
  void SetBevelWidth(int width);
  int BorderWidth() const { return m_borderWidth; }
  void SetBorderWidth(int width);
  void SetAlignment(Alignment alignment);

  gfx::Rect AlignArea() const override;
  void Paint(gfx::Canvas& canvas) override;

 private:
  int FrameWidth() const;
  void FrameChanged();

  BevelCut m_bevelOuter = BevelCut::Raised;
  BevelCut m_bevelInner = BevelCut::None;
  int m_bevelWidth = 1;
  int m_borderWidth = 0;
  Alignment m_alignment = Alignment::Center;
};

}  // namespace orvanta::ui
