#include "chart/axis_scale.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace orvanta::chart {

double RoundHalfEven(double value) {
  // nearbyint honours the current rounding mode, which is never changed from to-nearest-even.
  return std::nearbyint(value);
}

int RoundToInt(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  double r = RoundHalfEven(value);
  if (r >= static_cast<double>(INT_MAX)) {
    return INT_MAX;
  }
  if (r <= static_cast<double>(INT_MIN)) {
    return INT_MIN;
  }
  return static_cast<int>(r);
}

void AxisScale::SetRange(double minimum, double maximum) {
  RangeMin = minimum;
  RangeMax = maximum;
  Range = maximum - minimum;
  RangeIsZero = Range == 0;
}

void AxisScale::SetPositions(int startPos, int endPos) {
  StartPos = startPos;
  EndPos = endPos;
  AxisSize = endPos - startPos;
  CenterPos = (startPos + endPos) / 2;
}

int AxisScale::ValueToPos(double value) const {
  if (RangeIsZero) {
    return CenterPos;
  }
  double offset = (value - RangeMin) * AxisSize / Range;
  if (std::isnan(offset)) {
    offset = 0;
  }
  // Only the offset from the axis end is rounded: an odd end and an offset of x.5 must give
  // the even-rounded offset, not the even-rounded position.
  const int origin = Horizontal ? StartPos : EndPos;
  const double pos =
      std::clamp(Horizontal ? origin + offset : origin - offset, -kMaxPixelPos, kMaxPixelPos);
  const double rounded = RoundHalfEven(Horizontal ? pos - origin : origin - pos);
  return RoundToInt(Horizontal ? origin + rounded : origin - rounded);
}

double AxisScale::PosToValue(double pos) const {
  if (AxisSize < 1) {
    return 0;
  }
  double offset = (pos - StartPos) * Range / AxisSize;
  return Horizontal ? RangeMin + offset : RangeMax - offset;
}

void AxisScale::ExtendByMargins(int before, int after) {
  int oldStart = StartPos;
  int oldEnd = EndPos;
  AxisScale inner = *this;
  inner.SetPositions(oldStart + before, oldEnd - after);
  if (inner.AxisSize < 1) {
    return;  // margins wider than the axis: keep the range rather than collapse it
  }
  double a = inner.PosToValue(oldStart);
  double b = inner.PosToValue(oldEnd);
  if (a > b) {
    std::swap(a, b);
  }
  SetRange(a, b);
}

}  // namespace orvanta::chart
