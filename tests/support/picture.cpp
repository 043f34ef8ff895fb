#include "support/picture.h"

namespace orvanta::test {

std::string Picture(const gfx::Bitmap& bitmap, std::span<const PictureKey> legend, char other,
                    const gfx::Rect& area) {
  std::string out;
  for (int y = area.Top; y < area.Bottom; ++y) {
    for (int x = area.Left; x < area.Right; ++x) {
      char letter = other;
      for (const PictureKey& key : legend) {
        if (gfx::PixelFromRgbColor(key.Color) == bitmap.At(x, y)) {
          letter = key.Letter;
          break;
        }
      }
      out += letter;
    }
    out += '\n';
  }
  return out;
}

std::string Picture(const gfx::Bitmap& bitmap, std::span<const PictureKey> legend, char other) {
  return Picture(bitmap, legend, other, {0, 0, bitmap.Width(), bitmap.Height()});
}

std::string Rows(std::initializer_list<const char*> rows) {
  std::string out;
  for (const char* row : rows) {
    out += row;
    out += '\n';
  }
  return out;
}

std::string WithMargin(const std::vector<std::string>& rows, char margin) {
  const std::size_t width = rows.empty() ? 0 : rows.front().size();
  const std::string blank(width + 2, margin);
  std::string out = blank + '\n';
  for (const std::string& row : rows) {
    out += margin + row + margin + '\n';
  }
  return out + blank + '\n';
}

}  // namespace orvanta::test
