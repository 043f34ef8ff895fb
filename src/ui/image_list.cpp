#include "ui/image_list.h"

#include <algorithm>

namespace orvanta::ui {

int ImageList::Add(const gfx::Image& image) {
  gfx::Image fitted;
  fitted.Width = std::max(m_width, 0);
  fitted.Height = std::max(m_height, 0);
  fitted.Argb.assign(
      static_cast<std::size_t>(fitted.Width) * static_cast<std::size_t>(fitted.Height), 0);
  const int w = std::min(fitted.Width, image.Width);
  const int h = std::min(fitted.Height, image.Height);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::size_t from = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width) +
                               static_cast<std::size_t>(x);
      if (from < image.Argb.size()) {
        fitted.Argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(fitted.Width) +
                    static_cast<std::size_t>(x)] = image.Argb[from];
      }
    }
  }
  m_images.push_back(std::move(fitted));
  return Count() - 1;
}

void ImageList::Draw(gfx::Canvas& canvas, int x, int y, int index,
                     gfx::ImageDrawStyle style) const {
  if (index < 0 || index >= Count()) {
    return;
  }
  canvas.DrawImage(x, y, Get(index), style);
}

}  // namespace orvanta::ui
