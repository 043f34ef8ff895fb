#pragma once

#include <functional>
#include <span>
#include <vector>

#include "gfx/bitmap.h"

namespace orvanta::app {

// A point in icon pixels; (0, 0) is the top-left corner of the top-left pixel.
struct PointF {
  double X = 0;
  double Y = 0;
};

// Straight-alpha colour with channels 0..255.
struct Rgba {
  double R = 0;
  double G = 0;
  double B = 0;
  double A = 255;
};

// Paints the program's artwork: shapes are composited front to back in the order they are
// painted, each sampled 4 × 4 times per pixel so edges are smooth at 16 and 32 pixels.
class IconPainter {
 public:
  using Shape = std::function<bool(double x, double y)>;
  using Paint = std::function<Rgba(double x, double y)>;

  explicit IconPainter(int size);

  void Fill(const Shape& shape, const Paint& paint);
  void Fill(const Shape& shape, Rgba color);

  gfx::Image Result() const;

  static Shape Circle(PointF centre, double radius);
  static Shape Ring(PointF centre, double outerRadius, double innerRadius);
  // The part of a ring between two angles in degrees, counter-clockwise from the +x axis
  // with y pointing down the screen (so 90 is straight up).
  static Shape Arc(PointF centre, double outerRadius, double innerRadius, double fromDeg,
                   double toDeg);
  static Shape RoundRect(double left, double top, double right, double bottom, double radius);
  static Shape Capsule(PointF a, PointF b, double width);  // a stroked line with round ends
  static Shape Polygon(std::vector<PointF> points);
  static Shape Minus(Shape a, Shape b);

  static Paint VerticalGradient(double top, Rgba topColor, double bottom, Rgba bottomColor);

 private:
  int m_size;
  std::vector<Rgba> m_pixels;  // straight alpha
};

}  // namespace orvanta::app
