#pragma once

#include <memory>

#include "platform/posix/font_matcher.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace orvanta::platform {

// The FreeType library is shared by every face opened from it and must outlive them all.
using FreeTypeLibrary = std::shared_ptr<FT_LibraryRec_>;

struct FreeTypeFaceDeleter {
  void operator()(FT_FaceRec_* face) const;
};
using FreeTypeFacePtr = std::unique_ptr<FT_FaceRec_, FreeTypeFaceDeleter>;

// A started FreeType library, or null when it cannot start.
FreeTypeLibrary StartFreeType();

// The face of a font file set to an em height in pixels (the nearest strike for a font that
// has only bitmaps); null when the file is missing, damaged or has no glyphs.
FreeTypeFacePtr OpenSizedFace(FT_LibraryRec_* library, const FontFile& file, int emHeight);

}  // namespace orvanta::platform
