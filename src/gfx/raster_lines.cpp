// Pens: cosmetic one-pixel lines, the dotted style, and wide round-capped lines; the paths of
// Polyline and Polygon, and the polygon fill.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "gfx/polygon_scan.h"
#include "gfx/raster_canvas.h"

namespace orvanta::gfx {

namespace {

std::int64_t CeilDiv(std::int64_t num, std::int64_t den) {  // den > 0
  const std::int64_t q = num / den;
  return (num % den != 0 && num > 0) ? q + 1 : q;
}

// Clamps a pixel coordinate computed in floating point to a range that int arithmetic on it
// cannot overflow.
int ToPixel(double v) {
  constexpr double kLimit = 1 << 29;
  return static_cast<int>(std::clamp(v, -kLimit, kLimit));
}

// Narrows [lo, hi] to the x for which min <= coef * x + offset <= max.
void Constrain(double coef, double offset, double min, double max, double& lo, double& hi) {
  if (coef == 0) {
    if (offset < min || offset > max) {
      lo = 1;
      hi = 0;
    }
    return;
  }
  double a = (min - offset) / coef;
  double b = (max - offset) / coef;
  if (a > b) {
    std::swap(a, b);
  }
  lo = std::max(lo, a);
  hi = std::min(hi, b);
}

}  // namespace

bool RasterCanvas::PenVisible(Pixel& p) const {
  return m_state.CurrentPen.Style != PenStyle::Clear && Resolve(m_state.CurrentPen.PenColor, p);
}

int RasterCanvas::PenWidth() const {
  return std::max(m_state.CurrentPen.Width, 1);
}

void RasterCanvas::MoveTo(int x, int y) {
  m_state.Position = {x, y};
  m_dotPhase = 0;
}

void RasterCanvas::LineTo(int x, int y) {
  Pixel pen = 0;
  if (PenVisible(pen)) {
    StrokeSegment(ToDevice(m_state.Position), ToDevice({x, y}), pen);
  }
  m_state.Position = {x, y};
}

void RasterCanvas::Polyline(std::span<const Point> points) {
  Pixel pen = 0;
  if (points.size() < 2 || !PenVisible(pen)) {
    return;
  }
  std::vector<Point> device(points.begin(), points.end());
  for (Point& p : device) {
    p = ToDevice(p);
  }
  m_dotPhase = 0;
  StrokePath(device, PathShape::Open, pen);
}

void RasterCanvas::Polygon(std::span<const Point> points) {
  if (points.size() < 2) {
    return;
  }
  std::vector<Point> device(points.begin(), points.end());
  for (Point& p : device) {
    p = ToDevice(p);
  }
  Pixel brush = 0;
  if (m_state.CurrentBrush.Style != BrushStyle::Clear &&
      Resolve(m_state.CurrentBrush.BrushColor, brush)) {
    const Rect clip = DeviceClipBounds();
    PolygonScanner scanner(device);
    scanner.Scan(clip.Top, clip.Bottom,
                 [&](int y, int x0, int x1) { FillDeviceSpan(y, x0, x1, brush); });
  }
  Pixel pen = 0;
  if (PenVisible(pen)) {
    m_dotPhase = 0;
    StrokePath(device, PathShape::Closed, pen);
  }
}

void RasterCanvas::StrokePath(std::span<const Point> points, PathShape shape, Pixel p) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    StrokeSegment(points[i], points[i + 1], p);
  }
  if (shape == PathShape::Closed && points.size() > 1) {
    StrokeSegment(points.back(), points.front(), p);
  }
}

void RasterCanvas::StrokeSegment(Point a, Point b, Pixel p) {
  const int width = PenWidth();
  if (width > 1) {
    WideLine(a, b, width, p);  // styled pens wider than one pixel draw solid
  } else {
    CosmeticLine(a, b, p, m_state.CurrentPen.Style);
  }
}

void RasterCanvas::CosmeticLine(Point a, Point b, Pixel p, PenStyle style) {
  const bool dotted = style == PenStyle::Dot;
  const std::int64_t dx = std::int64_t{b.X} - a.X;
  const std::int64_t dy = std::int64_t{b.Y} - a.Y;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  if (major == 0) {
    return;
  }
  const int phase = m_dotPhase;
  m_dotPhase = static_cast<int>((phase + major) & 1);
  const Rect clip = DeviceClipBounds();
  if (clip.IsEmpty()) {
    return;
  }
  const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
  const std::int64_t majorStart = xMajor ? a.X : a.Y;
  const std::int64_t minorStart = xMajor ? a.Y : a.X;
  const std::int64_t low = xMajor ? clip.Left : clip.Top;
  const std::int64_t high = (xMajor ? clip.Right : clip.Bottom) - 1;
  // Steps whose major coordinate lies inside the clip; the end point (step major) is left out.
  std::int64_t first = majorStep > 0 ? low - majorStart : majorStart - high;
  std::int64_t last = majorStep > 0 ? high - majorStart : majorStart - low;
  first = std::max<std::int64_t>(first, 0);
  last = std::min(last, major - 1);
  if (minor == 0 && !dotted) {
    if (first <= last) {
      const std::int64_t m0 = majorStart + majorStep * first;
      const std::int64_t m1 = majorStart + majorStep * last;
      const auto lo = static_cast<int>(std::min(m0, m1));
      const auto hi = static_cast<int>(std::max(m0, m1)) + 1;
      if (xMajor) {
        FillDeviceSpan(a.Y, lo, hi, p);
      } else {
        FillDeviceColumn(a.X, lo, hi, p);
      }
    }
    return;
  }
  for (std::int64_t i = first; i <= last; ++i) {
    if (dotted && ((phase + i) & 1) != 0) {
      continue;
    }
    // Offset on the minor axis: i * minor / major rounded to nearest, halves toward the start.
    const std::int64_t offset = CeilDiv(2 * i * minor - major, 2 * major);
    const auto majorPos = static_cast<int>(majorStart + majorStep * i);
    const auto minorPos = static_cast<int>(minorStart + minorStep * offset);
    if (xMajor) {
      PlotDevice(majorPos, minorPos, p);
    } else {
      PlotDevice(minorPos, majorPos, p);
    }
  }
}

void RasterCanvas::WideLine(Point a, Point b, int width, Pixel p) {
  // The pixels whose centres lie within width / 2 of the segment: a capsule with round ends,
  // sampled row by row; both ends are included.
  const Rect clip = DeviceClipBounds();
  if (clip.IsEmpty()) {
    return;
  }
  const double r = width / 2.0;
  const double ax = a.X, ay = a.Y, bx = b.X, by = b.Y;
  const double dx = bx - ax, dy = by - ay;
  const double len2 = dx * dx + dy * dy;
  const double len = std::sqrt(len2);
  const int rowBegin = std::max(ToPixel(std::ceil(std::min(ay, by) - r - 0.5)), clip.Top);
  const int rowEnd = std::min(ToPixel(std::ceil(std::max(ay, by) + r - 0.5)), clip.Bottom);
  const double inf = std::numeric_limits<double>::infinity();
  for (int y = rowBegin; y < rowEnd; ++y) {
    const double yc = y + 0.5;
    double lo = inf, hi = -inf;
    for (const auto& [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) {
      const double h = r * r - (yc - cy) * (yc - cy);
      if (h >= 0) {
        lo = std::min(lo, cx - std::sqrt(h));
        hi = std::max(hi, cx + std::sqrt(h));
      }
    }
    if (len2 > 0) {
      double bandLo = -inf, bandHi = inf;
      Constrain(dx, (yc - ay) * dy - ax * dx, 0, len2, bandLo, bandHi);
      Constrain(dy, -ax * dy - (yc - ay) * dx, -r * len, r * len, bandLo, bandHi);
      if (bandLo <= bandHi) {
        lo = std::min(lo, bandLo);
        hi = std::max(hi, bandHi);
      }
    }
    if (lo > hi) {
      continue;
    }
    FillDeviceSpan(y, ToPixel(std::ceil(lo - 0.5)), ToPixel(std::ceil(hi - 0.5)), p);
  }
}

}  // namespace orvanta::gfx
