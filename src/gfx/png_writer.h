#pragma once

#include <string>

#include "gfx/bitmap.h"

namespace orvanta::gfx {

// Writes the bitmap as an 8-bit RGB PNG file. Returns false when the file cannot be written.
bool WritePng(const Bitmap& bitmap, const std::string& path);

}  // namespace orvanta::gfx
