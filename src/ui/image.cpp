#include "ui/image.h"

namespace orvanta::ui {

Image::Image() {
  SetStyle(kCsClickEvents);
  SetBounds(0, 0, 105, 105);
}

void Image::SetPicture(gfx::Image picture) {
  m_picture = std::move(picture);
  Invalidate();
}

void Image::SetCenter(bool center) {
  m_center = center;
  Invalidate();
}

gfx::Point Image::PictureOrigin() const {
  if (!m_center) {
    return {0, 0};
  }
  return {(Width() - m_picture.Width) / 2, (Height() - m_picture.Height) / 2};
}

void Image::Paint(gfx::Canvas& canvas) {
  if (m_picture.Width <= 0 || m_picture.Height <= 0) {
    return;
  }
  const gfx::Point at = PictureOrigin();
  canvas.DrawImage(at.X, at.Y, m_picture, gfx::ImageDrawStyle::Normal);
}

}  // namespace orvanta::ui
