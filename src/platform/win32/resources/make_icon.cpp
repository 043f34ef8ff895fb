// Writes the program icon, as the app layer paints it, into a Windows .ico file: 16, 32 and
// 48 pixels, 32-bit with alpha. Runs on the build host.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

#include "app/artwork.h"

namespace {

constexpr int kSizes[] = {16, 32, 48};

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, unsigned value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// One icon image: a BITMAPINFOHEADER of twice the height, the colour rows bottom-up, then the
// 1-bit transparency mask, rows padded to 32 bits.
std::vector<std::uint8_t> EncodeImage(int size) {
  // 0xAARRGGBB straight alpha is, byte by byte in little-endian order, the BGRA of an icon.
  const orvanta::gfx::Image image = orvanta::app::PaintProgramIcon(size);
  std::vector<std::uint8_t> bgra;
  for (std::uint32_t pixel : image.Argb) {
    Put32(bgra, pixel);
  }
  const int maskStride = ((size + 31) / 32) * 4;
  std::vector<std::uint8_t> out;
  Put32(out, 40);
  Put32(out, size);
  Put32(out, size * 2);
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, size * size * 4 + maskStride * size);
  for (int i = 0; i < 4; ++i) {
    Put32(out, 0);
  }
  for (int y = size - 1; y >= 0; --y) {
    const auto row = bgra.begin() + y * size * 4;
    out.insert(out.end(), row, row + size * 4);
  }
  for (int y = size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride), 0);
    for (int x = 0; x < size; ++x) {
      if (bgra[static_cast<std::size_t>((y * size + x) * 4 + 3)] == 0) {
        mask[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), mask.begin(), mask.end());
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  std::vector<std::vector<std::uint8_t>> images;
  for (int size : kSizes) {
    images.push_back(EncodeImage(size));
  }
  std::vector<std::uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);  // icon
  Put16(file, static_cast<unsigned>(images.size()));
  unsigned offset = 6 + 16 * static_cast<unsigned>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    file.push_back(static_cast<std::uint8_t>(kSizes[i]));
    file.push_back(static_cast<std::uint8_t>(kSizes[i]));
    file.push_back(0);  // no palette
    file.push_back(0);
    Put16(file, 1);   // planes
    Put16(file, 32);  // bits per pixel
    Put32(file, static_cast<unsigned>(images[i].size()));
    Put32(file, offset);
    offset += static_cast<unsigned>(images[i].size());
  }
  for (const auto& image : images) {
    file.insert(file.end(), image.begin(), image.end());
  }
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  return out ? 0 : 1;
}
