#pragma once

#include <string_view>

#include "chart/axis_labels.h"
#include "support/recording_canvas.h"

namespace orvanta::chart {

// Measures as the chart tests' recording canvas does: 7 pixels a character, 14 high.
class FixedMeasurer final : public LabelMeasurer {
 public:
  explicit FixedMeasurer(int fontHeight = test::RecordingCanvas::kLineHeight)
      : m_height(fontHeight) {}
  int TextWidth(std::string_view text) override {
    return test::RecordingCanvas::Chars(text) * test::RecordingCanvas::kCharWidth;
  }
  int FontHeight() override { return m_height; }

 private:
  int m_height;
};

}  // namespace orvanta::chart
