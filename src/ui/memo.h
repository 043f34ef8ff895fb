#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/frame3d.h"
#include "ui/scroll_bar.h"

namespace orvanta::ui {

enum class ScrollBars { None, Horizontal, Vertical, Both };

// Read-only multi-line text with scroll bars: vertically by whole lines, horizontally by
// pixels. Bars that are asked for are always shown, disabled while everything fits.
class Memo : public Control {
 public:
  static constexpr int kMargin = 2;  // between the border and the text, pixels

  Memo();

  const std::vector<std::string>& Lines() const { return m_lines; }
  void SetLines(std::vector<std::string> lines);
  void AddLine(std::string line);
  void SetScrollBars(ScrollBars bars);
  void SetBorder(ControlBorder border);

  int TopLine() const { return m_topLine; }
  void SetTopLine(int line);
  void SetLeftOffset(int pixels);

  // Geometry, client pixels: inside the border, less the bars.
  gfx::Rect ViewRect() const;
  int LineHeight() const;
  int VisibleLines() const;  // lines that fit whole, at least 1
  int WidestLine() const;

  void Paint(gfx::Canvas& canvas) override;

 protected:
  void MouseDown(const MouseEvent& e) override;
  void MouseWheel(WheelEvent& e) override;
  void KeyDown(KeyEvent& e) override;
  void Resized() override { Layout(); }
  void FontChanged() override { Changed(); }
  void FormChanged() override { Changed(); }

 private:
  void Changed();
  void Layout();

  std::vector<std::string> m_lines;
  ScrollBars m_scrollBars = ScrollBars::None;
  ControlBorder m_border = ControlBorder::Sunken;
  int m_topLine = 0;
  int m_leftOffset = 0;
  mutable int m_widest = -1;  // cached widest line, pixels; -1 until measured
  ScrollBar* m_vbar;          // children, owned by the tree
  ScrollBar* m_hbar;
};

}  // namespace orvanta::ui
