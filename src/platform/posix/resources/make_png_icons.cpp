// Writes the program icon, as the app layer paints it, as the PNG files of a desktop icon
// theme: OUTPUT-DIR/<size>x<size>/apps/orvanta.png, 8-bit RGBA with straight alpha.
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/artwork.h"

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

bool WriteIcon(int size, const std::filesystem::path& path) {
  const orvanta::gfx::Image image = orvanta::app::PaintProgramIcon(size);
  std::vector<png_byte> rgba;
  rgba.reserve(image.Argb.size() * 4);
  for (std::uint32_t pixel : image.Argb) {
    rgba.push_back(static_cast<png_byte>(pixel >> 16));
    rgba.push_back(static_cast<png_byte>(pixel >> 8));
    rgba.push_back(static_cast<png_byte>(pixel));
    rgba.push_back(static_cast<png_byte>(pixel >> 24));
  }
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width);
  png.height = static_cast<png_uint_32>(image.Height);
  png.format = PNG_FORMAT_RGBA;  // 8-bit sRGB: straight alpha, as the painter gives it
  const int ok = png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr);
  png_image_free(&png);
  return ok != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_png_icons OUTPUT-DIR\n");
    return 2;
  }
  for (int size : kSizes) {
    const std::string name = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path dir = std::filesystem::path(argv[1]) / name / "apps";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error || !WriteIcon(size, dir / "orvanta.png")) {
      std::fprintf(stderr, "make_png_icons: %s: cannot write\n", (dir / "orvanta.png").c_str());
      return 1;
    }
  }
  return 0;
}
