#pragma once

#include <string_view>

#include "gfx/geometry.h"

namespace orvanta::chart {

// The window framework's hint window as the chart's tools see it. The framework decides
// when the hint actually appears and disappears (its show and hide pauses).
class HintSink {
 public:
  virtual ~HintSink() = default;
  virtual void CancelHint() = 0;
  virtual void ShowHintAt(std::string_view text, gfx::Point screenPoint) = 0;
  virtual gfx::Point ClientToScreen(gfx::Point clientPoint) const = 0;
};

}  // namespace orvanta::chart
