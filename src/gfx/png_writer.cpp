#include "gfx/png_writer.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace orvanta::gfx {

bool WritePng(const Bitmap& bitmap, const std::string& path) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0) {
    return false;
  }
  std::vector<png_byte> rgb(static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 3);
  std::size_t i = 0;
  for (Pixel p : bitmap.Pixels()) {
    rgb[i++] = static_cast<png_byte>(PixelR(p));
    rgb[i++] = static_cast<png_byte>(PixelG(p));
    rgb[i++] = static_cast<png_byte>(PixelB(p));
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.Width());
  image.height = static_cast<png_uint_32>(bitmap.Height());
  image.format = PNG_FORMAT_RGB;
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr);
  png_image_free(&image);
  return ok != 0;
}

}  // namespace orvanta::gfx
