#pragma once

#include <vector>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"

namespace orvanta::ui {

// Pictures of one size (16 x 16 or 32 x 32 in this program) with alpha, drawn by index.
class ImageList {
 public:
  ImageList(int width, int height) : m_width(width), m_height(height) {}

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  int Count() const { return static_cast<int>(m_images.size()); }

  // Adds a picture and returns its index. A picture of another size is cut or padded with
  // transparent pixels at its right and bottom to the list's size.
  int Add(const gfx::Image& image);
  const gfx::Image& Get(int index) const { return m_images.at(static_cast<std::size_t>(index)); }
  void Clear() { m_images.clear(); }

  // Draws picture index with its top-left corner at (x, y), in the enabled or the greyed
  // look. An index outside the list draws nothing.
  void Draw(gfx::Canvas& canvas, int x, int y, int index,
            gfx::ImageDrawStyle style = gfx::ImageDrawStyle::Normal) const;

 private:
  int m_width;
  int m_height;
  std::vector<gfx::Image> m_images;
};

}  // namespace orvanta::ui
