#include "platform/posix/freetype_handles.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdlib>

namespace orvanta::platform {
namespace {

struct LibraryDeleter {
  void operator()(FT_LibraryRec_* library) const { FT_Done_FreeType(library); }
};

// Picks the bitmap strike whose height is closest to the wanted em height.
int NearestStrike(const FT_FaceRec_& face, int emHeight) {
  int best = 0;
  for (int i = 1; i < face.num_fixed_sizes; ++i) {
    if (std::abs(face.available_sizes[i].height - emHeight) <
        std::abs(face.available_sizes[best].height - emHeight)) {
      best = i;
    }
  }
  return best;
}

}  // namespace

void FreeTypeFaceDeleter::operator()(FT_FaceRec_* face) const {
  FT_Done_Face(face);
}

FreeTypeLibrary StartFreeType() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0 || library == nullptr) {
    return nullptr;
  }
  return FreeTypeLibrary(library, LibraryDeleter{});
}

FreeTypeFacePtr OpenSizedFace(FT_LibraryRec_* library, const FontFile& file, int emHeight) {
  if (library == nullptr || file.Path.empty() || emHeight <= 0) {
    return nullptr;
  }
  FT_Face raw = nullptr;
  if (FT_New_Face(library, file.Path.c_str(), file.Index, &raw) != 0 || raw == nullptr) {
    return nullptr;
  }
  FreeTypeFacePtr face(raw);
  if (face->num_glyphs <= 0) {
    return nullptr;
  }
  if (FT_IS_SCALABLE(face.get())) {
    if (FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(emHeight)) != 0) {
      return nullptr;
    }
  } else if (face->num_fixed_sizes <= 0 ||
             FT_Select_Size(face.get(), NearestStrike(*face, emHeight)) != 0) {
    return nullptr;
  }
  return face;
}

}  // namespace orvanta::platform
