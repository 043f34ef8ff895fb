#pragma once

namespace orvanta::chart {

// Pixel positions are clamped to this before they reach the drawing calls, so that huge
// values cannot overflow the 32-bit coordinates of the drawing surface.
inline constexpr double kMaxPixelPos = 67108863.0;

// Rounds halves to the even neighbour, as the chart's pixel arithmetic does everywhere.
double RoundHalfEven(double value);
int RoundToInt(double value);  // RoundHalfEven, saturated to the int range; NaN gives 0

// The mapping of one axis between values and pixel positions, rebuilt on every paint.
// StartPos and EndPos are client pixels: left and right for a horizontal axis, top and
// bottom for a vertical one (whose values grow upwards).
struct AxisScale {
  bool Horizontal = true;
  double RangeMin = 0;
  double RangeMax = 0;
  double Range = 0;
  bool RangeIsZero = true;
  int StartPos = 0;
  int EndPos = 0;
  int AxisSize = 0;
  int CenterPos = 0;

  void SetRange(double minimum, double maximum);
  void SetPositions(int startPos, int endPos);

  int ValueToPos(double value) const;
  double PosToValue(double pos) const;

  // Widens the range so that the old one fits between StartPos + before and EndPos - after;
  // the positions themselves stay. `before` is the left margin of a horizontal axis and the
  // top margin of a vertical one.
  void ExtendByMargins(int before, int after);
};

}  // namespace orvanta::chart
