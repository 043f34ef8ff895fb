#include "app/artwork.h"

#include <cmath>
#include <numbers>

#include "app/icon_painter.h"

namespace orvanta::app {

namespace {

using P = IconPainter;

constexpr Rgba kWhite{255, 255, 255, 255};
constexpr PointF kCentre{16, 16};

// A disc with a darker rim and a lighter top, the base of the round glyphs.
void PaintDisc(IconPainter& p, PointF c, double r, Rgba rim, Rgba top, Rgba bottom) {
  p.Fill(P::Circle(c, r), rim);
  p.Fill(P::Circle(c, r - 1.3), P::VerticalGradient(c.Y - r, top, c.Y + r, bottom));
}

PointF OnCircle(PointF c, double r, double deg) {
  double a = deg * std::numbers::pi / 180.0;
  return {c.X + r * std::cos(a), c.Y - r * std::sin(a)};
}

gfx::Image Refresh() {
  IconPainter p(32);
  Rgba dark{30, 110, 40, 255};
  auto fill = P::VerticalGradient(4, {120, 205, 110, 255}, 28, {40, 140, 50, 255});
  // A ring broken at the upper right, its end turned into an arrow head going round.
  p.Fill(P::Arc(kCentre, 12.5, 6.5, 95, 35), dark);
  p.Fill(P::Arc(kCentre, 11.3, 7.7, 97, 33), fill);
  PointF outer = OnCircle(kCentre, 15.5, 40);
  PointF inner = OnCircle(kCentre, 3.5, 40);
  PointF tip = OnCircle(kCentre, 9.5, 75);
  p.Fill(P::Polygon({outer, inner, tip}), dark);
  PointF outerIn = OnCircle(kCentre, 13.8, 42);
  PointF innerIn = OnCircle(kCentre, 5.2, 42);
  PointF tipIn = OnCircle(kCentre, 9.5, 70);
  p.Fill(P::Polygon({outerIn, innerIn, tipIn}), fill);
  return p.Result();
}

gfx::Image Help() {
  IconPainter p(32);
  PaintDisc(p, kCentre, 14, {20, 70, 150, 255}, {110, 170, 240, 255}, {30, 90, 190, 255});
  // The question mark: a hook, a stem and a dot.
  p.Fill(P::Arc({16, 12.5}, 6.5, 3.3, -70, 200), kWhite);
  p.Fill(P::Capsule({17.2, 17.5}, {16, 20}, 3.2), kWhite);
  p.Fill(P::Capsule({18.2, 16.7}, {17.2, 17.5}, 3.2), kWhite);
  p.Fill(P::Circle({16, 24.3}, 2), kWhite);
  return p.Result();
}

gfx::Image About() {
  IconPainter p(32);
  PaintDisc(p, kCentre, 14, {20, 70, 150, 255}, {110, 170, 240, 255}, {30, 90, 190, 255});
  p.Fill(P::Circle({16, 9.5}, 2.3), kWhite);
  p.Fill(P::Capsule({16, 14.5}, {16, 23.5}, 4), kWhite);
  return p.Result();
}

gfx::Image Upgrade() {
  IconPainter p(32);
  std::vector<PointF> arrow{{16, 2.5},  {28.5, 15}, {21.5, 15}, {21.5, 29},
                            {10.5, 29}, {10.5, 15}, {3.5, 15}};
  p.Fill(P::Polygon(arrow), Rgba{25, 105, 35, 255});
  std::vector<PointF> inner{{16, 4.8},    {25.8, 13.8}, {20.3, 13.8}, {20.3, 27.8},
                            {11.7, 27.8}, {11.7, 13.8}, {6.2, 13.8}};
  p.Fill(P::Polygon(inner), P::VerticalGradient(4, {140, 220, 120, 255}, 28, {45, 150, 55, 255}));
  return p.Result();
}

gfx::Image HomePage() {
  IconPainter p(32);
  p.Fill(P::RoundRect(6.5, 14, 25.5, 29, 1), Rgba{120, 80, 40, 255});
  p.Fill(P::RoundRect(7.7, 15, 24.3, 27.8, 0.5),
         P::VerticalGradient(15, {255, 240, 205, 255}, 28, {225, 195, 140, 255}));
  p.Fill(P::RoundRect(13, 19, 19, 28, 1), Rgba{150, 90, 45, 255});
  p.Fill(P::Polygon({{16, 2.5}, {30.5, 16}, {27, 16}, {16, 6}, {5, 16}, {1.5, 16}}),
         P::VerticalGradient(3, {235, 90, 60, 255}, 16, {170, 40, 25, 255}));
  p.Fill(P::RoundRect(21, 5, 24, 11, 0.5), Rgba{170, 40, 25, 255});
  return p.Result();
}

gfx::Image Exit() {
  IconPainter p(32);
  PaintDisc(p, kCentre, 14, {150, 25, 20, 255}, {245, 110, 90, 255}, {190, 35, 25, 255});
  // The power sign: a ring open at the top and a bar through the opening.
  p.Fill(P::Arc({16, 17}, 8.5, 5.5, 125, 55), kWhite);
  p.Fill(P::Capsule({16, 6.5}, {16, 15}, 3.2), kWhite);
  return p.Result();
}

}  // namespace

gfx::Image PaintToolbarGlyph(ToolbarGlyph glyph) {
  switch (glyph) {
    case ToolbarGlyph::Refresh:
      return Refresh();
    case ToolbarGlyph::Help:
      return Help();
    case ToolbarGlyph::About:
      return About();
    case ToolbarGlyph::Upgrade:
      return Upgrade();
    case ToolbarGlyph::HomePage:
      return HomePage();
    case ToolbarGlyph::Exit:
      return Exit();
  }
  return {};
}

gfx::Image PaintStateImage(StateImage image) {
  IconPainter p(16);
  bool normal = image == StateImage::Normal;
  Rgba rim = normal ? Rgba{20, 120, 35, 255} : Rgba{190, 90, 0, 255};
  Rgba top = normal ? Rgba{120, 220, 110, 255} : Rgba{255, 200, 90, 255};
  Rgba bottom = normal ? Rgba{35, 160, 50, 255} : Rgba{245, 130, 0, 255};
  p.Fill(P::RoundRect(1.5, 1.5, 14.5, 14.5, 3.5), rim);
  p.Fill(P::RoundRect(2.6, 2.6, 13.4, 13.4, 2.5), P::VerticalGradient(2.5, top, 13.5, bottom));
  return p.Result();
}

gfx::Image PaintLogPageIcon() {
  IconPainter p(32);
  // A sheet of a log with lines of entries and a small clock in its corner.
  p.Fill(P::RoundRect(5, 2.5, 25, 29.5, 2), Rgba{90, 100, 120, 255});
  p.Fill(P::RoundRect(6.2, 3.7, 23.8, 28.3, 1.2),
         P::VerticalGradient(3, {255, 255, 255, 255}, 29, {220, 228, 240, 255}));
  for (int i = 0; i < 5; ++i) {
    double y = 8 + i * 4;
    p.Fill(P::Capsule({9.5, y}, {i % 2 ? 17.5 : 20.5, y}, 1.6), Rgba{70, 110, 180, 255});
  }
  PaintDisc(p, {22.5, 22.5}, 8, {20, 90, 30, 255}, {140, 225, 120, 255}, {40, 150, 55, 255});
  p.Fill(P::Capsule({22.5, 22.5}, {22.5, 17.5}, 1.8), kWhite);
  p.Fill(P::Capsule({22.5, 22.5}, {26, 22.5}, 1.8), kWhite);
  return p.Result();
}

gfx::Image PaintChartPageIcon() {
  IconPainter p(32);
  p.Fill(P::Capsule({4, 4}, {4, 28}, 1.8), Rgba{70, 70, 80, 255});
  p.Fill(P::Capsule({4, 28}, {29, 28}, 1.8), Rgba{70, 70, 80, 255});
  struct Bar {
    double Left;
    double Top;
    Rgba TopColor;
    Rgba BottomColor;
  };
  const Bar bars[] = {
      {7, 17, {250, 120, 110, 255}, {200, 30, 25, 255}},
      {13, 8, {130, 215, 120, 255}, {30, 130, 40, 255}},
      {19, 13, {120, 170, 245, 255}, {25, 80, 190, 255}},
      {25, 20, {255, 225, 110, 255}, {220, 160, 0, 255}},
  };
  for (const Bar& b : bars) {
    p.Fill(P::RoundRect(b.Left, b.Top, b.Left + 4.6, 27, 0.6),
           P::VerticalGradient(b.Top, b.TopColor, 27, b.BottomColor));
  }
  return p.Result();
}

gfx::Image PaintProgramIcon(int size) {
  IconPainter p(size);
  double s = size / 32.0;
  PointF c{16 * s, 16 * s};
  // A clock face: the program measures how long the computer ran.
  PaintDisc(p, c, 15 * s, {25, 60, 120, 255}, {120, 175, 240, 255}, {30, 90, 180, 255});
  p.Fill(P::Circle(c, 11.5 * s), P::VerticalGradient(4 * s, kWhite, 28 * s, {215, 228, 245, 255}));
  for (int h = 0; h < 12; ++h) {
    PointF a = OnCircle(c, 10 * s, h * 30);
    PointF b = OnCircle(c, (h % 3 == 0 ? 7.5 : 8.7) * s, h * 30);
    p.Fill(P::Capsule(a, b, 1.3 * s), Rgba{40, 60, 100, 255});
  }
  p.Fill(P::Capsule(c, OnCircle(c, 8 * s, 90), 2 * s), Rgba{30, 40, 70, 255});
  p.Fill(P::Capsule(c, OnCircle(c, 5.5 * s, -30), 2.2 * s), Rgba{30, 40, 70, 255});
  p.Fill(P::Circle(c, 1.8 * s), Rgba{200, 40, 30, 255});
  return p.Result();
}

}  // namespace orvanta::app
