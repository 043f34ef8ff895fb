// Draws the program icon and writes it as a Windows .ico file: a blue rounded tile with a
// white power symbol, at 16, 32 and 48 pixels, 32-bit with alpha. Runs on the build host.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

constexpr int kSizes[] = {16, 32, 48};
constexpr int kSamples = 4;  // per axis, for smooth edges
constexpr double kPi = 3.14159265358979323846;

struct Rgba {
  double R, G, B, A;
};

// Shapes in a unit square (0..1 both ways, y down).
bool InTile(double x, double y) {
  const double radius = 0.2;
  const double margin = 0.03;
  const double cx = std::clamp(x, margin + radius, 1 - margin - radius);
  const double cy = std::clamp(y, margin + radius, 1 - margin - radius);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool InPowerSymbol(double x, double y) {
  const double cx = 0.5;
  const double cy = 0.54;
  const double ring = 0.26;
  const double stroke = 0.085;
  const double dx = x - cx;
  const double dy = y - cy;
  const double distance = std::sqrt(dx * dx + dy * dy);
  // The ring opens at the top, 40 degrees to each side of the bar.
  const double angleFromTop = std::abs(std::atan2(dx, -dy)) * 180 / kPi;
  const bool onRing = std::abs(distance - ring) <= stroke / 2 && angleFromTop >= 40;
  const bool onBar = std::abs(dx) <= stroke / 2 && y >= cy - ring - stroke / 2 && y <= cy;
  return onRing || onBar;
}

Rgba Shade(double x, double y) {
  if (!InTile(x, y)) {
    return {0, 0, 0, 0};
  }
  if (InPowerSymbol(x, y)) {
    return {1, 1, 1, 1};
  }
  // A vertical gradient from light to deep blue.
  const double t = y;
  return {0.24 - 0.14 * t, 0.56 - 0.22 * t, 0.88 - 0.22 * t, 1};
}

std::vector<std::uint8_t> DrawBgra(int size) {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(size * size * 4));
  for (int py = 0; py < size; ++py) {
    for (int px = 0; px < size; ++px) {
      Rgba sum{0, 0, 0, 0};
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double x = (px + (sx + 0.5) / kSamples) / size;
          const double y = (py + (sy + 0.5) / kSamples) / size;
          const Rgba c = Shade(x, y);
          sum = {sum.R + c.R * c.A, sum.G + c.G * c.A, sum.B + c.B * c.A, sum.A + c.A};
        }
      }
      const double n = kSamples * kSamples;
      const double alpha = sum.A / n;
      auto channel = [&](double premultiplied) {
        return static_cast<std::uint8_t>(
            alpha > 0 ? std::lround(std::clamp(premultiplied / sum.A, 0.0, 1.0) * 255) : 0);
      };
      std::uint8_t* p = &pixels[static_cast<std::size_t>((py * size + px) * 4)];
      p[0] = channel(sum.B);
      p[1] = channel(sum.G);
      p[2] = channel(sum.R);
      p[3] = static_cast<std::uint8_t>(std::lround(alpha * 255));
    }
  }
  return pixels;
}

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
  const std::vector<std::uint8_t> bgra = DrawBgra(size);
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
