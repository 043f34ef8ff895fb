#include "platform/posix/freetype_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BITMAP_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cstddef>
#include <utility>

#include "platform/posix/box_font_face.h"

namespace orvanta::platform {
namespace {

// Full hinting: with the fonts' own instructions, stems land on whole pixels and small text
// stays crisp.
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_NORMAL;

// A pixel of smear per 24 pixels of em, at least one, as Windows emboldens faces it lacks.
int OverstrikeFor(int emHeight) {
  return std::max(1, (emHeight + 12) / 24);
}

int RoundPixels(FT_Pos value26Dot6) {
  return static_cast<int>((value26Dot6 + 32) >> 6);
}

bool IsBold(const FT_FaceRec_& face, const FontFile& file) {
  return file.Weight == FontWeight::Bold || (face.style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

bool IsItalic(const FT_FaceRec_& face, const FontFile& file) {
  return file.Slant == FontSlant::Italic || (face.style_flags & FT_STYLE_FLAG_ITALIC) != 0;
}

// Row `row`, counted from the top, of a bitmap of either flow: a negative pitch stores the
// rows bottom up.
const unsigned char* RowOf(const FT_Bitmap& bitmap, unsigned row) {
  const long pitch = bitmap.pitch;
  const long index = pitch >= 0 ? static_cast<long>(row) : static_cast<long>(bitmap.rows - 1 - row);
  return bitmap.buffer + index * (pitch >= 0 ? pitch : -pitch);
}

// Copies a rendered bitmap into 0..255 coverage; false for a format that cannot be converted.
bool CopyCoverage(FT_Library library, const FT_Bitmap& source, gfx::GlyphBitmap& glyph) {
  glyph.Width = static_cast<int>(source.width);
  glyph.Height = static_cast<int>(source.rows);
  glyph.Coverage.assign(static_cast<std::size_t>(glyph.Width) * glyph.Height, 0);
  if (glyph.Coverage.empty()) {
    return true;
  }
  if (source.buffer == nullptr) {
    return false;
  }
  const FT_Bitmap* grey = &source;
  FT_Bitmap converted;
  FT_Bitmap_Init(&converted);
  if (source.pixel_mode != FT_PIXEL_MODE_GRAY) {
    if (FT_Bitmap_Convert(library, &source, &converted, 1) != 0 ||
        converted.width != source.width || converted.rows != source.rows) {
      FT_Bitmap_Done(library, &converted);
      return false;
    }
    grey = &converted;
  }
  const int levels = std::max(2, static_cast<int>(grey->num_grays));
  for (unsigned y = 0; y < grey->rows; ++y) {
    const unsigned char* row = RowOf(*grey, y);
    std::uint8_t* out = glyph.Coverage.data() + static_cast<std::size_t>(y) * glyph.Width;
    for (unsigned x = 0; x < grey->width; ++x) {
      const int value = std::min<int>(row[x], levels - 1);
      out[x] = static_cast<std::uint8_t>(levels == 256 ? value : value * 255 / (levels - 1));
    }
  }
  FT_Bitmap_Done(library, &converted);
  return true;
}

// Smears coverage to the right by a number of pixels, widening the glyph by as many.
void Overstrike(gfx::GlyphBitmap& glyph, int pixels) {
  glyph.Advance += pixels;
  if (glyph.Coverage.empty()) {
    return;
  }
  const int width = glyph.Width + pixels;
  std::vector<std::uint8_t> smeared(static_cast<std::size_t>(width) * glyph.Height, 0);
  for (int y = 0; y < glyph.Height; ++y) {
    const std::uint8_t* in = glyph.Coverage.data() + static_cast<std::size_t>(y) * glyph.Width;
    std::uint8_t* out = smeared.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < glyph.Width; ++x) {
      for (int k = 0; k <= pixels; ++k) {
        out[x + k] = std::max(out[x + k], in[x]);
      }
    }
  }
  glyph.Width = width;
  glyph.Coverage = std::move(smeared);
}

// Renders one glyph of a face as grey-level coverage; nullopt when FreeType fails on it.
std::optional<gfx::GlyphBitmap> RenderGlyph(const SizedFace& sized, FT_UInt index) {
  FT_Face face = sized.Face.get();
  if (FT_Load_Glyph(face, index, kLoadFlags) != 0) {
    return std::nullopt;
  }
  FT_GlyphSlot slot = face->glyph;
  const FT_Pos advance = slot->advance.x;
  if (sized.Oblique) {
    FT_GlyphSlot_Oblique(slot);
  }
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
    return std::nullopt;
  }
  gfx::GlyphBitmap glyph;
  glyph.Advance = std::max(0, RoundPixels(advance));
  glyph.Left = slot->bitmap_left;
  glyph.Top = slot->bitmap_top;
  if (!CopyCoverage(slot->library, slot->bitmap, glyph)) {
    return std::nullopt;
  }
  if (sized.OverstrikePixels > 0) {
    Overstrike(glyph, sized.OverstrikePixels);
  }
  return glyph;
}

bool HasInk(const gfx::GlyphBitmap& glyph) {
  return std::any_of(glyph.Coverage.begin(), glyph.Coverage.end(),
                     [](std::uint8_t c) { return c != 0; });
}

}  // namespace

std::optional<SizedFace> OpenStyledFace(FT_LibraryRec_* library, const FontFile& file, int emHeight,
                                        FontWeight weight, FontSlant slant) {
  FreeTypeFacePtr face = OpenSizedFace(library, file, emHeight);
  if (!face) {
    return std::nullopt;
  }
  SizedFace sized;
  if (weight == FontWeight::Bold && !IsBold(*face, file)) {
    sized.OverstrikePixels = OverstrikeFor(emHeight);
  }
  sized.Oblique = slant == FontSlant::Italic && !IsItalic(*face, file);
  sized.Face = std::move(face);
  sized.File = file;
  return sized;
}

FreeTypeFace::FreeTypeFace(FreeTypeLibrary library, SizedFace primary, int emHeight,
                           FontWeight weight, FontSlant slant, std::optional<FontFile> cjkFallback)
    : m_library(std::move(library)),
      m_primary(std::move(primary)),
      m_emHeight(emHeight),
      m_weight(weight),
      m_slant(slant),
      m_metrics(MeasureFace(*m_primary.Face, emHeight, m_primary.OverstrikePixels)),
      m_fallbackFile(std::move(cjkFallback)) {}

// The faces are closed before the library they came from: members die in reverse order.
FreeTypeFace::~FreeTypeFace() = default;

const gfx::GlyphBitmap& FreeTypeFace::Glyph(char32_t codePoint) {
  if (codePoint < m_latin.size() && m_latin[codePoint] != nullptr) {
    return *m_latin[codePoint];
  }
  auto found = m_glyphs.find(codePoint);
  if (found == m_glyphs.end()) {
    found = m_glyphs.emplace(codePoint, RenderCodePoint(codePoint)).first;
  }
  if (codePoint < m_latin.size()) {
    m_latin[codePoint] = &found->second;
  }
  return found->second;
}

bool FreeTypeFace::UsesFallback(char32_t codePoint) {
  if (FT_Get_Char_Index(m_primary.Face.get(), codePoint) != 0) {
    return false;
  }
  SizedFace* fallback = Fallback();
  return fallback != nullptr && FT_Get_Char_Index(fallback->Face.get(), codePoint) != 0;
}

gfx::GlyphBitmap FreeTypeFace::RenderCodePoint(char32_t codePoint) {
  if (const FT_UInt index = FT_Get_Char_Index(m_primary.Face.get(), codePoint); index != 0) {
    if (auto glyph = RenderGlyph(m_primary, index)) {
      return std::move(*glyph);
    }
  } else if (SizedFace* fallback = Fallback()) {
    if (const FT_UInt other = FT_Get_Char_Index(fallback->Face.get(), codePoint); other != 0) {
      if (auto glyph = RenderGlyph(*fallback, other)) {
        return std::move(*glyph);
      }
    }
  }
  return MissingGlyph();
}

const gfx::GlyphBitmap& FreeTypeFace::MissingGlyph() {
  if (!m_missing) {
    // Some faces draw nothing for their missing glyph; a box at least shows that text is there.
    auto notdef = RenderGlyph(m_primary, 0);
    if (notdef && notdef->Advance > 0 && HasInk(*notdef)) {
      m_missing = std::move(*notdef);
    } else {
      m_missing = BoxGlyph(m_metrics.Text);
    }
  }
  return *m_missing;
}

SizedFace* FreeTypeFace::Fallback() {
  if (!m_fallback && m_fallbackFile) {
    if (m_fallbackFile->Path != m_primary.File.Path ||
        m_fallbackFile->Index != m_primary.File.Index) {
      m_fallback = OpenStyledFace(m_library.get(), *m_fallbackFile, m_emHeight, m_weight, m_slant);
    }
    m_fallbackFile.reset();
  }
  return m_fallback ? &*m_fallback : nullptr;
}

}  // namespace orvanta::platform
