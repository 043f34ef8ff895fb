#pragma once

#include <vector>

#include "gfx/canvas.h"

namespace orvanta::controls::testing_support {

// A canvas over a bitmap that honours what the kit draws with (origin, rectangular clip,
// FillRect, SetPixel, DrawBitmap); everything else is a no-op. Stands in for the raster
// canvas in these tests.
class ProbeCanvas : public gfx::Canvas {
 public:
  ProbeCanvas(const gfx::SystemPalette& palette, int width, int height, gfx::Color background)
      : Canvas(palette),
        m_bitmap(width, height, palette.ToPixel(background)),
        m_state{{0, 0}, {0, 0, width, height}} {}

  const gfx::Bitmap& Pixels() const { return m_bitmap; }

  gfx::Size SurfaceSize() const override { return m_bitmap.GetSize(); }
  void Save() override { m_saved.push_back(m_state); }
  void Restore() override {
    if (!m_saved.empty()) {
      m_state = m_saved.back();
      m_saved.pop_back();
    }
  }
  gfx::Point Origin() const override { return m_state.Origin; }
  void SetOrigin(gfx::Point origin) override { m_state.Origin = origin; }
  void IntersectClipRect(const gfx::Rect& r) override {
    m_state.Clip = m_state.Clip.Intersect(r.Offset(m_state.Origin.X, m_state.Origin.Y));
  }
  void IntersectClipRegion(const gfx::Region& region) override {
    IntersectClipRect(region.Bounds());
  }
  gfx::Rect ClipBox() const override {
    return m_state.Clip.Offset(-m_state.Origin.X, -m_state.Origin.Y);
  }
  bool PtVisible(gfx::Point p) const override { return ClipBox().Contains(p); }

  void SetPen(const gfx::Pen& pen) override { m_pen = pen; }
  const gfx::Pen& GetPen() const override { return m_pen; }
  void SetBrush(const gfx::Brush& brush) override { m_brush = brush; }
  const gfx::Brush& GetBrush() const override { return m_brush; }
  void SetFont(const gfx::Font& font) override { m_font = font; }
  const gfx::Font& GetFont() const override { return m_font; }
  void SetTextColor(gfx::Color) override {}
  void SetBkColor(gfx::Color) override {}
  void SetBkMode(gfx::BackgroundMode) override {}

  void FillRect(const gfx::Rect& r, gfx::Color c) override {
    ++FillCalls;
    gfx::Rect device = r.Offset(m_state.Origin.X, m_state.Origin.Y).Intersect(m_state.Clip);
    for (int y = device.Top; y < device.Bottom; ++y) {
      for (int x = device.Left; x < device.Right; ++x) {
        m_bitmap.At(x, y) = Palette().ToPixel(c);
      }
    }
  }
  void Rectangle(const gfx::Rect&) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polyline(std::span<const gfx::Point>) override {}
  void Polygon(std::span<const gfx::Point>) override {}
  void SetPixel(int x, int y, gfx::Color c) override { FillRect({x, y, x + 1, y + 1}, c); }
  gfx::Color GetPixel(int x, int y) const override {
    x += m_state.Origin.X;
    y += m_state.Origin.Y;
    return m_bitmap.Contains(x, y) ? gfx::RgbColorFromPixel(m_bitmap.At(x, y)) : gfx::clNone;
  }
  void InvertRect(const gfx::Rect&) override {}
  void DrawFocusRect(const gfx::Rect&) override {}
  gfx::TextMetrics GetTextMetrics() override { return {}; }
  gfx::Size TextExtent(std::string_view) override { return {}; }
  void TextOut(int, int, std::string_view) override {}
  int DrawText(std::string_view, gfx::Rect&, unsigned) override { return 0; }
  void DrawBitmap(int x, int y, const gfx::Bitmap& source, const gfx::Rect& sourceRect) override {
    ++BitmapCalls;
    for (int sy = sourceRect.Top; sy < sourceRect.Bottom; ++sy) {
      for (int sx = sourceRect.Left; sx < sourceRect.Right; ++sx) {
        gfx::Point d{x + sx - sourceRect.Left + m_state.Origin.X,
                     y + sy - sourceRect.Top + m_state.Origin.Y};
        if (source.Contains(sx, sy) && m_state.Clip.Contains(d)) {
          m_bitmap.At(d.X, d.Y) = source.At(sx, sy);
        }
      }
    }
  }
  using Canvas::DrawBitmap;
  void DrawImage(int, int, const gfx::Image&, gfx::ImageDrawStyle) override {}

  int FillCalls = 0;
  int BitmapCalls = 0;

 private:
  struct State {
    gfx::Point Origin;
    gfx::Rect Clip;  // device pixels
  };
  gfx::Bitmap m_bitmap;
  State m_state;
  std::vector<State> m_saved;
  gfx::Pen m_pen;
  gfx::Brush m_brush;
  gfx::Font m_font;
};

}  // namespace orvanta::controls::testing_support
