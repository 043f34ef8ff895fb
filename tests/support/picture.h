#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/color.h"

namespace orvanta::test {

// One letter of a picture and the colour (RGB) it stands for.
struct PictureKey {
  char Letter;
  gfx::Color Color;
};

// An area of a bitmap as text, one line per row and one letter per pixel: the letter of the
// pixel's colour in the legend, or `other` for a colour the legend lacks.
std::string Picture(const gfx::Bitmap& bitmap, std::span<const PictureKey> legend, char other,
                    const gfx::Rect& area);
std::string Picture(const gfx::Bitmap& bitmap, std::span<const PictureKey> legend,
                    char other = '?');

// Rows given one per argument, joined as Picture prints them.
std::string Rows(std::initializer_list<const char*> rows);
// Rows given without their one-pixel margin of `margin` letters, returned with it.
std::string WithMargin(const std::vector<std::string>& rows, char margin = '.');

}  // namespace orvanta::test
