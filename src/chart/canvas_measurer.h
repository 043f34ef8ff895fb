#pragma once

#include <string_view>
#include <utility>

#include "chart/axis_labels.h"
#include "gfx/canvas.h"

namespace orvanta::chart {

// Measures label texts on a canvas in a given font, selecting the font for each request so
// that drawing in between cannot change the result.
class CanvasMeasurer final : public LabelMeasurer {
 public:
  CanvasMeasurer(gfx::Canvas& canvas, gfx::Font font) : m_canvas(canvas), m_font(std::move(font)) {}

  int TextWidth(std::string_view text) override {
    Select();
    return m_canvas.TextExtent(text).Width;
  }
  int FontHeight() override {
    if (m_fontHeight < 0) {
      Select();
      m_fontHeight = m_canvas.TextExtent("W").Height;
    }
    return m_fontHeight;
  }

 private:
  void Select() {
    if (!(m_canvas.GetFont() == m_font)) {
      m_canvas.SetFont(m_font);
    }
  }

  gfx::Canvas& m_canvas;
  gfx::Font m_font;
  int m_fontHeight = -1;
};

}  // namespace orvanta::chart
