// Block copies of bitmaps and the alpha-blended drawing of image-list pictures.
#include <algorithm>
#include <cstring>

#include "gfx/raster_canvas.h"

namespace orvanta::gfx {

namespace {

Pixel Blend(Pixel dst, unsigned r, unsigned g, unsigned b, unsigned alpha) {
  const unsigned inv = 255 - alpha;
  const unsigned outR = (r * alpha + PixelR(dst) * inv + 127) / 255;
  const unsigned outG = (g * alpha + PixelG(dst) * inv + 127) / 255;
  const unsigned outB = (b * alpha + PixelB(dst) * inv + 127) / 255;
  return MakePixel(outR, outG, outB);
}

// The greyed form of a picture: its luminance lifted into the light half of the grey scale,
// so that shapes stay recognisable but read as unavailable on a button face.
unsigned DisabledGrey(unsigned r, unsigned g, unsigned b) {
  const unsigned luminance = (r * 299 + g * 587 + b * 114 + 500) / 1000;
  return 128 + luminance / 2;
}

}  // namespace

void RasterCanvas::DrawBitmap(int x, int y, const Bitmap& source, const Rect& sourceRect) {
  const Rect from = sourceRect.Intersect({0, 0, source.Width(), source.Height()});
  if (from.IsEmpty()) {
    return;
  }
  // The device position of the source pixel (from.Left, from.Top).
  const Point at = ToDevice({x + from.Left - sourceRect.Left, y + from.Top - sourceRect.Top});
  const int dx = at.X - from.Left;
  const int dy = at.Y - from.Top;
  const Rect to = from.Offset(dx, dy).Intersect(DeviceClipBounds());
  const bool sameBitmap = &source == &m_target;
  std::vector<Pixel> scratch;
  for (int row = 0; row < to.Height(); ++row) {
    // Copy bottom-up when moving down within the same bitmap, so rows are read before written.
    const int ty = (sameBitmap && dy > 0) ? to.Bottom - 1 - row : to.Top + row;
    const Pixel* src = source.Row(ty - dy);
    if (sameBitmap) {
      scratch.assign(src, src + source.Width());
      src = scratch.data();
    }
    ForEachClippedSpan(ty, to.Left, to.Right, [&](int a, int b) {
      std::memcpy(m_target.Row(ty) + a, src + (a - dx),
                  static_cast<std::size_t>(b - a) * sizeof(Pixel));
    });
  }
}

void RasterCanvas::DrawImage(int x, int y, const Image& image, ImageDrawStyle style) {
  if (image.Width <= 0 || image.Height <= 0) {
    return;
  }
  // Draw only the rows the pixel array really holds.
  const auto width = static_cast<std::size_t>(image.Width);
  const int rows = static_cast<int>(
      std::min<std::size_t>(static_cast<std::size_t>(image.Height), image.Argb.size() / width));
  const Point at = ToDevice({x, y});
  const Rect to = Rect::FromSize(at.X, at.Y, image.Width, rows).Intersect(DeviceClipBounds());
  for (int ty = to.Top; ty < to.Bottom; ++ty) {
    const std::uint32_t* src = image.Argb.data() + static_cast<std::size_t>(ty - at.Y) * width;
    ForEachClippedSpan(ty, to.Left, to.Right, [&](int a, int b) {
      Pixel* dst = m_target.Row(ty);
      for (int tx = a; tx < b; ++tx) {
        const std::uint32_t argb = src[tx - at.X];
        const unsigned alpha = argb >> 24;
        if (alpha == 0) {
          continue;
        }
        unsigned r = (argb >> 16) & 0xFF, g = (argb >> 8) & 0xFF, bl = argb & 0xFF;
        if (style == ImageDrawStyle::Disabled) {
          r = g = bl = DisabledGrey(r, g, bl);
        }
        dst[tx] = alpha == 255 ? MakePixel(r, g, bl) : Blend(dst[tx], r, g, bl, alpha);
      }
    });
  }
}

}  // namespace orvanta::gfx
