#include "gfx/raster_canvas.h"

#include <algorithm>

namespace orvanta::gfx {

RasterCanvas::RasterCanvas(Bitmap& target, GlyphSource& glyphs, const SystemPalette& palette)
    : Canvas(palette), m_target(target), m_glyphs(glyphs) {
  m_state.TextColor = m_state.CurrentFont.TextColor;
}

namespace {

class NoGlyphs final : public GlyphSource {
 public:
  std::shared_ptr<FontFace> Face(const FaceKey&) override { return nullptr; }
};

}  // namespace

RasterCanvas::RasterCanvas(Bitmap& target, const SystemPalette& palette)
    : Canvas(palette),
      m_target(target),
      m_ownGlyphs(std::make_unique<NoGlyphs>()),
      m_glyphs(*m_ownGlyphs) {
  m_state.TextColor = m_state.CurrentFont.TextColor;
}

RasterCanvas::~RasterCanvas() = default;

void RasterCanvas::Save() {
  m_saved.push_back(m_state);
}

void RasterCanvas::Restore() {
  if (m_saved.empty()) {
    return;
  }
  const bool fontChanged = !(m_saved.back().CurrentFont == m_state.CurrentFont);
  m_state = std::move(m_saved.back());
  m_saved.pop_back();
  if (fontChanged) {
    m_faceValid = false;
  }
}

ClipMask RasterCanvas::CurrentClip() const {
  return m_state.Clip ? *m_state.Clip : ClipMask(Rect{0, 0, m_target.Width(), m_target.Height()});
}

void RasterCanvas::IntersectClipRect(const Rect& r) {
  ClipMask clip = CurrentClip();
  clip.IntersectRect(ToDeviceRect(r));
  SetClip(clip);
}

void RasterCanvas::IntersectClipRegion(const Region& region) {
  ClipMask clip = CurrentClip();
  if (region.IsRect()) {
    clip.IntersectRect(ToDeviceRect(region.Bounds()));
  } else {
    const Region device = region.Offset(m_state.Origin.X, m_state.Origin.Y);
    clip.IntersectPolygon(device.Points());
  }
  SetClip(clip);
}

Rect RasterCanvas::DeviceClipBounds() const {
  const Rect surface{0, 0, m_target.Width(), m_target.Height()};
  return m_state.Clip ? m_state.Clip->Bounds().Intersect(surface) : surface;
}

Rect RasterCanvas::ClipBox() const {
  const Rect device = DeviceClipBounds();
  return device.IsEmpty() ? Rect{} : device.Offset(-m_state.Origin.X, -m_state.Origin.Y);
}

bool RasterCanvas::DeviceVisible(int x, int y) const {
  bool visible = false;
  ForEachClippedSpan(y, x, x + 1, [&](int, int) { visible = true; });
  return visible;
}

bool RasterCanvas::PtVisible(Point p) const {
  const Point d = ToDevice(p);
  return DeviceVisible(d.X, d.Y);
}

void RasterCanvas::SetFont(const Font& font) {
  if (!(font == m_state.CurrentFont)) {
    m_faceValid = false;
  }
  m_state.CurrentFont = font;
  m_state.TextColor = font.TextColor;
}

bool RasterCanvas::Resolve(Color c, Pixel& out) const {
  if (c == clNone) {
    return false;
  }
  out = Palette().ToPixel(c);
  return true;
}

void RasterCanvas::FillDeviceSpan(int y, int x0, int x1, Pixel p) {
  ForEachClippedSpan(y, x0, x1, [&](int a, int b) {
    Pixel* row = m_target.Row(y);
    std::fill(row + a, row + b, p);
  });
}

void RasterCanvas::FillDeviceRect(const Rect& r, Pixel p) {
  const Rect bounds = r.Intersect(DeviceClipBounds());
  for (int y = bounds.Top; y < bounds.Bottom; ++y) {
    FillDeviceSpan(y, bounds.Left, bounds.Right, p);
  }
}

void RasterCanvas::FillDeviceColumn(int x, int y0, int y1, Pixel p) {
  const Rect bounds = Rect{x, y0, x + 1, y1}.Intersect(DeviceClipBounds());
  if (bounds.IsEmpty()) {
    return;
  }
  if (m_state.Clip && !m_state.Clip->IsRect()) {
    for (int y = bounds.Top; y < bounds.Bottom; ++y) {
      PlotDevice(x, y, p);
    }
    return;
  }
  const auto stride = static_cast<std::ptrdiff_t>(m_target.Width());
  Pixel* dst = m_target.Row(bounds.Top) + x;
  for (int y = bounds.Top; y < bounds.Bottom; ++y, dst += stride) {
    *dst = p;
  }
}

void RasterCanvas::XorDeviceSpan(int y, int x0, int x1, Pixel mask) {
  ForEachClippedSpan(y, x0, x1, [&](int a, int b) {
    Pixel* row = m_target.Row(y);
    for (int x = a; x < b; ++x) {
      row[x] ^= mask;
    }
  });
}

void RasterCanvas::PlotDevice(int x, int y, Pixel p) {
  if (DeviceVisible(x, y)) {
    m_target.Row(y)[x] = p;
  }
}

void RasterCanvas::FillRect(const Rect& r, Color c) {
  Pixel p = 0;
  if (Resolve(c, p)) {
    FillDeviceRect(ToDeviceRect(r), p);
  }
}

void RasterCanvas::Rectangle(const Rect& r) {
  Rect d = ToDeviceRect(r);
  if (d.Right < d.Left) {
    std::swap(d.Left, d.Right);
  }
  if (d.Bottom < d.Top) {
    std::swap(d.Top, d.Bottom);
  }
  Pixel brush = 0;
  const bool filled = m_state.CurrentBrush.Style != BrushStyle::Clear &&
                      Resolve(m_state.CurrentBrush.BrushColor, brush);
  Pixel pen = 0;
  if (!PenVisible(pen)) {
    // Without a pen the figure loses its right column and bottom row, as in Windows.
    if (filled) {
      FillDeviceRect({d.Left, d.Top, d.Right - 1, d.Bottom - 1}, brush);
    }
    return;
  }
  if (d.IsEmpty()) {
    return;
  }
  if (filled) {
    FillDeviceRect(d.Inflate(-1, -1), brush);
  }
  const Point corners[] = {
      {d.Left, d.Top}, {d.Right - 1, d.Top}, {d.Right - 1, d.Bottom - 1}, {d.Left, d.Bottom - 1}};
  if (PenWidth() > 1 || m_state.CurrentPen.Style == PenStyle::Dot) {
    StrokePath(corners, PathShape::Closed, pen);
    return;
  }
  FillDeviceSpan(d.Top, d.Left, d.Right, pen);
  if (d.Height() > 1) {
    FillDeviceSpan(d.Bottom - 1, d.Left, d.Right, pen);
  }
  FillDeviceColumn(d.Left, d.Top + 1, d.Bottom - 1, pen);
  if (d.Width() > 1) {
    FillDeviceColumn(d.Right - 1, d.Top + 1, d.Bottom - 1, pen);
  }
}

void RasterCanvas::SetPixel(int x, int y, Color c) {
  Pixel p = 0;
  if (Resolve(c, p)) {
    const Point d = ToDevice({x, y});
    PlotDevice(d.X, d.Y, p);
  }
}

Color RasterCanvas::GetPixel(int x, int y) const {
  const Point d = ToDevice({x, y});
  if (!DeviceVisible(d.X, d.Y)) {
    return clNone;
  }
  return RgbColorFromPixel(m_target.Row(d.Y)[d.X]);
}

void RasterCanvas::InvertRect(const Rect& r) {
  const Rect d = ToDeviceRect(r).Intersect(DeviceClipBounds());
  for (int y = d.Top; y < d.Bottom; ++y) {
    XorDeviceSpan(y, d.Left, d.Right, 0x00FFFFFFu);
  }
}

void RasterCanvas::DrawFocusRect(const Rect& r) {
  // A one-pixel frame inverted through a checkerboard aligned to device pixels, so that
  // drawing it twice restores the picture.
  const Rect d = ToDeviceRect(r);
  if (d.IsEmpty()) {
    return;
  }
  auto invertDots = [&](int y, int x0, int x1) {
    ForEachClippedSpan(y, x0, x1, [&](int a, int b) {
      Pixel* row = m_target.Row(y);
      for (int x = a + ((a + y) & 1); x < b; x += 2) {
        row[x] ^= 0x00FFFFFFu;
      }
    });
  };
  invertDots(d.Top, d.Left, d.Right);
  if (d.Height() > 1) {
    invertDots(d.Bottom - 1, d.Left, d.Right);
  }
  for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
    invertDots(y, d.Left, d.Left + 1);
    if (d.Width() > 1) {
      invertDots(y, d.Right - 1, d.Right);
    }
  }
}

}  // namespace orvanta::gfx
