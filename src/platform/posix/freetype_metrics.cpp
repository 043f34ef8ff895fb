#include "platform/posix/freetype_metrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cstdint>

namespace orvanta::platform {
namespace {

// The classic definition of a font's average character width: the advances of the lower-case
// letters and the space, weighted by their frequency in English text (weights sum to 1000).
struct LetterWeight {
  char32_t Letter;
  int Weight;
};
constexpr std::array kLetterWeights{
    LetterWeight{'a', 64},  LetterWeight{'b', 14}, LetterWeight{'c', 27},  LetterWeight{'d', 35},
    LetterWeight{'e', 100}, LetterWeight{'f', 20}, LetterWeight{'g', 14},  LetterWeight{'h', 42},
    LetterWeight{'i', 63},  LetterWeight{'j', 3},  LetterWeight{'k', 6},   LetterWeight{'l', 35},
    LetterWeight{'m', 20},  LetterWeight{'n', 56}, LetterWeight{'o', 56},  LetterWeight{'p', 17},
    LetterWeight{'q', 4},   LetterWeight{'r', 49}, LetterWeight{'s', 56},  LetterWeight{'t', 71},
    LetterWeight{'u', 31},  LetterWeight{'v', 10}, LetterWeight{'w', 18},  LetterWeight{'x', 3},
    LetterWeight{'y', 18},  LetterWeight{'z', 2},  LetterWeight{' ', 166},
};

int RoundPixels(FT_Pos value26Dot6) {
  return static_cast<int>((value26Dot6 + 32) >> 6);
}

// The weighted average advance in font units, or half the widest advance when the face lacks
// one of the letters.
long WeightedAverageWidth(FT_Face face) {
  long sum = 0;
  for (const auto& [letter, weight] : kLetterWeights) {
    const FT_UInt index = FT_Get_Char_Index(face, letter);
    FT_Fixed advance = 0;
    if (index == 0 || FT_Get_Advance(face, index, FT_LOAD_NO_SCALE, &advance) != 0) {
      return face->max_advance_width / 2;
    }
    sum += static_cast<long>(advance) * weight;
  }
  return sum / 1000;
}

// The rows that the hinted glyphs of Western text reach above and below the baseline. Windows
// sizes the line cell of a hinted TrueType font by these extremes (kept per size in the font's
// vertical device metrics), which is why Arial at 11 pixels gets a 14-pixel line; the stand-in
// faces lack that table, so the extremes are measured here with the flags used for drawing.
void MeasureHintedExtremes(FT_Face face, int& ascent, int& descent) {
  for (char32_t c = 0x20; c <= 0xFF; ++c) {
    if (c >= 0x7F && c < 0xA0) {
      continue;
    }
    const FT_UInt index = FT_Get_Char_Index(face, c);
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_TARGET_NORMAL) != 0) {
      continue;
    }
    const FT_Glyph_Metrics& m = face->glyph->metrics;
    ascent = std::max(ascent, static_cast<int>((m.horiBearingY + 63) >> 6));
    descent = std::max(descent, static_cast<int>(-((m.horiBearingY - m.height) >> 6)));
  }
}

// Metrics of a scalable face from its tables, as Windows derives them for TrueType fonts.
void MeasureOutlines(FT_Face face, int emHeight, FaceMetrics& metrics) {
  const int unitsPerEm = face->units_per_EM;
  auto scale = [&](long units) { return ScaleFontUnits(units, emHeight, unitsPerEm); };
  auto& text = metrics.Text;

  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const bool hasOs2 = os2 != nullptr && os2->version != 0xFFFF;
  long ascent = face->ascender;
  long descent = -face->descender;
  if (hasOs2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  }
  text.Ascent = std::max(0, scale(ascent));
  text.Descent = std::max(0, scale(descent));
  MeasureHintedExtremes(face, text.Ascent, text.Descent);

  // The line gap less what the Windows ascent and descent already add over the typographic
  // ones, so that lines are spaced alike on both systems.
  if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA))) {
    const long gap = hhea->Line_Gap + hhea->Ascender - hhea->Descender - (ascent + descent);
    text.ExternalLeading = std::max(0, scale(gap));
  }

  const long average =
      hasOs2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : WeightedAverageWidth(face);
  text.AveCharWidth = std::max(1, scale(average));
  text.MaxCharWidth = std::max(text.AveCharWidth, scale(face->max_advance_width));

  // FreeType gives the centre of the stroke; the canvas wants its top.
  const long top = -static_cast<long>(face->underline_position) - face->underline_thickness / 2;
  metrics.UnderlinePosition = scale(top);
  metrics.UnderlineThickness = std::max(1, scale(face->underline_thickness));
}

// Metrics of a face that has only bitmap strikes, from the selected strike.
void MeasureStrike(FT_Face face, FaceMetrics& metrics) {
  const FT_Size_Metrics& size = face->size->metrics;
  auto& text = metrics.Text;
  text.Ascent = std::max(0, RoundPixels(size.ascender));
  text.Descent = std::max(0, RoundPixels(-size.descender));
  text.MaxCharWidth = std::max(1, RoundPixels(size.max_advance));
  text.AveCharWidth = std::max(1, text.MaxCharWidth / 2);
  metrics.UnderlinePosition = 1;
  metrics.UnderlineThickness = 1;
}

}  // namespace

int ScaleFontUnits(long units, int emHeight, int unitsPerEm) {
  if (unitsPerEm <= 0) {
    return 0;
  }
  const std::int64_t product = static_cast<std::int64_t>(units) * emHeight;
  const std::int64_t half = unitsPerEm / 2;
  const std::int64_t rounded =
      product >= 0 ? (product + half) / unitsPerEm : -((-product + half) / unitsPerEm);
  return static_cast<int>(std::clamp<std::int64_t>(rounded, -(1 << 20), 1 << 20));
}

FaceMetrics MeasureFace(FT_FaceRec_& face, int emHeight, int overstrikePixels) {
  FaceMetrics metrics;
  if (FT_IS_SCALABLE(&face) && face.units_per_EM > 0) {
    MeasureOutlines(&face, emHeight, metrics);
  } else {
    MeasureStrike(&face, metrics);
    emHeight = face.size->metrics.y_ppem;
  }
  auto& text = metrics.Text;
  text.Height = text.Ascent + text.Descent;
  text.InternalLeading = text.Height - emHeight;
  text.AveCharWidth += overstrikePixels;
  text.MaxCharWidth += overstrikePixels;

  // Fonts disagree on whether they store the top or the centre of the stroke, and at small
  // sizes either rounds into the glyphs' bottom row: keep one clear row below the baseline, and
  // keep the stroke inside the line cell.
  metrics.UnderlinePosition = std::clamp(std::max(1, metrics.UnderlinePosition), 0,
                                         std::max(0, text.Descent - metrics.UnderlineThickness));
  return metrics;
}

}  // namespace orvanta::platform
