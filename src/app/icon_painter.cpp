#include "app/icon_painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvanta::app {

namespace {

constexpr int kSamples = 4;  // per axis

Rgba Over(const Rgba& top, double topAlpha, const Rgba& under) {
  double a = topAlpha / 255.0;
  double b = under.A / 255.0;
  double outA = a + b * (1 - a);
  if (outA <= 0) {
    return {0, 0, 0, 0};
  }
  auto mix = [&](double t, double u) { return (t * a + u * b * (1 - a)) / outA; };
  return {mix(top.R, under.R), mix(top.G, under.G), mix(top.B, under.B), outA * 255.0};
}

double DistanceToSegment(double x, double y, PointF a, PointF b) {
  double dx = b.X - a.X;
  double dy = b.Y - a.Y;
  double lengthSq = dx * dx + dy * dy;
  double t = lengthSq > 0 ? ((x - a.X) * dx + (y - a.Y) * dy) / lengthSq : 0;
  t = std::clamp(t, 0.0, 1.0);
  double px = a.X + t * dx - x;
  double py = a.Y + t * dy - y;
  return std::sqrt(px * px + py * py);
}

}  // namespace

IconPainter::IconPainter(int size)
    : m_size(size), m_pixels(static_cast<std::size_t>(size * size), Rgba{0, 0, 0, 0}) {}

void IconPainter::Fill(const Shape& shape, Rgba color) {
  Fill(shape, [color](double, double) { return color; });
}

void IconPainter::Fill(const Shape& shape, const Paint& paint) {
  for (int y = 0; y < m_size; ++y) {
    for (int x = 0; x < m_size; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          double px = x + (sx + 0.5) / kSamples;
          double py = y + (sy + 0.5) / kSamples;
          hits += shape(px, py) ? 1 : 0;
        }
      }
      if (hits == 0) {
        continue;
      }
      Rgba colour = paint(x + 0.5, y + 0.5);
      double coverage = static_cast<double>(hits) / (kSamples * kSamples);
      Rgba& pixel = m_pixels[static_cast<std::size_t>(y * m_size + x)];
      pixel = Over(colour, colour.A * coverage, pixel);
    }
  }
}

gfx::Image IconPainter::Result() const {
  gfx::Image image;
  image.Width = m_size;
  image.Height = m_size;
  image.Argb.reserve(m_pixels.size());
  auto channel = [](double v) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
  };
  for (const Rgba& p : m_pixels) {
    image.Argb.push_back(channel(p.A) << 24 | channel(p.R) << 16 | channel(p.G) << 8 |
                         channel(p.B));
  }
  return image;
}

IconPainter::Shape IconPainter::Circle(PointF c, double r) {
  return
      [c, r](double x, double y) { return (x - c.X) * (x - c.X) + (y - c.Y) * (y - c.Y) <= r * r; };
}

IconPainter::Shape IconPainter::Ring(PointF c, double outer, double inner) {
  return [c, outer, inner](double x, double y) {
    double d = (x - c.X) * (x - c.X) + (y - c.Y) * (y - c.Y);
    return d <= outer * outer && d >= inner * inner;
  };
}

IconPainter::Shape IconPainter::Arc(PointF c, double outer, double inner, double fromDeg,
                                    double toDeg) {
  Shape ring = Ring(c, outer, inner);
  return [ring, c, fromDeg, toDeg](double x, double y) {
    if (!ring(x, y)) {
      return false;
    }
    double deg = std::atan2(c.Y - y, x - c.X) * 180.0 / std::numbers::pi;
    double span = std::fmod(toDeg - fromDeg + 720.0, 360.0);
    double at = std::fmod(deg - fromDeg + 720.0, 360.0);
    return at <= span;
  };
}

IconPainter::Shape IconPainter::RoundRect(double left, double top, double right, double bottom,
                                          double radius) {
  return [=](double x, double y) {
    if (x < left || x > right || y < top || y > bottom) {
      return false;
    }
    double cx = std::clamp(x, left + radius, right - radius);
    double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
  };
}

IconPainter::Shape IconPainter::Capsule(PointF a, PointF b, double width) {
  return [a, b, width](double x, double y) { return DistanceToSegment(x, y, a, b) <= width / 2; };
}

IconPainter::Shape IconPainter::Polygon(std::vector<PointF> points) {
  return [points = std::move(points)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const PointF& p = points[i];
      const PointF& q = points[j];
      if ((p.Y > y) != (q.Y > y) && x < (q.X - p.X) * (y - p.Y) / (q.Y - p.Y) + p.X) {
        inside = !inside;
      }
    }
    return inside;
  };
}

IconPainter::Shape IconPainter::Minus(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

IconPainter::Paint IconPainter::VerticalGradient(double top, Rgba topColor, double bottom,
                                                 Rgba bottomColor) {
  return [=](double, double y) {
    double t = bottom > top ? std::clamp((y - top) / (bottom - top), 0.0, 1.0) : 0.0;
    auto lerp = [t](double u, double v) { return u + (v - u) * t; };
    return Rgba{lerp(topColor.R, bottomColor.R), lerp(topColor.G, bottomColor.G),
                lerp(topColor.B, bottomColor.B), lerp(topColor.A, bottomColor.A)};
  };
}

}  // namespace orvanta::app
