#include "platform/win32/gdi_font_face.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "platform/win32/utf.h"

namespace orvanta::platform {
namespace {

// Pixel sizes GDI is asked for; beyond this a single glyph bitmap would be unreasonably large.
constexpr int kMaxPixelHeight = 1024;
// GGO_GRAY8_BITMAP coverage runs from 0 to 64.
constexpr unsigned kGrayLevels = 64;
// GetGlyphIndicesW's mark for a glyph the font does not have.
constexpr WORD kMissingGlyph = 0xFFFF;

UniqueFont CreateFace(const std::wstring& name, int height, bool bold, bool italic) {
  LOGFONTW font{};
  // A negative height asks for the em height, as every size in the program means.
  font.lfHeight = -std::clamp(height, 1, kMaxPixelHeight);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = italic ? TRUE : FALSE;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = ANTIALIASED_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
  std::wmemcpy(font.lfFaceName, name.data(), length);
  return UniqueFont(CreateFontIndirectW(&font));
}

std::uint8_t ScaleCoverage(std::uint8_t level) {
  const unsigned clamped = std::min<unsigned>(level, kGrayLevels);
  return static_cast<std::uint8_t>((clamped * 255u + kGrayLevels / 2) / kGrayLevels);
}

}  // namespace

GdiFontFace::GdiFontFace(const gfx::FaceKey& key, const std::wstring& fallbackName)
    : m_font(CreateFace(Utf8ToWide(key.Name), key.Height, key.Bold, key.Italic)),
      m_dc(CreateCompatibleDC(nullptr)) {
  if (!fallbackName.empty()) {
    m_fallback = CreateFace(fallbackName, key.Height, key.Bold, key.Italic);
  }
  if (m_dc && m_font) {
    // The font stays selected for the face's lifetime; the DC is never shared.
    SelectObject(m_dc.get(), m_font.get());
    ReadMetrics();
  }
}

void GdiFontFace::ReadMetrics() {
  TEXTMETRICW text{};
  if (!GetTextMetricsW(m_dc.get(), &text)) {
    return;
  }
  m_metrics.Height = static_cast<int>(text.tmHeight);
  m_metrics.Ascent = static_cast<int>(text.tmAscent);
  m_metrics.Descent = static_cast<int>(text.tmDescent);
  m_metrics.InternalLeading = static_cast<int>(text.tmInternalLeading);
  m_metrics.ExternalLeading = static_cast<int>(text.tmExternalLeading);
  m_metrics.AveCharWidth = static_cast<int>(text.tmAveCharWidth);
  m_metrics.MaxCharWidth = static_cast<int>(text.tmMaxCharWidth);

  // Outline fonts say where their underline goes; raster fonts get it just below the baseline.
  m_underlinePosition = std::max(1, m_metrics.Descent / 2);
  m_underlineThickness = std::max(1, m_metrics.Height / 14);
  const UINT size = GetOutlineTextMetricsW(m_dc.get(), 0, nullptr);
  if (size >= sizeof(OUTLINETEXTMETRICW)) {
    std::vector<OUTLINETEXTMETRICW> storage((size + sizeof(OUTLINETEXTMETRICW) - 1) /
                                            sizeof(OUTLINETEXTMETRICW));
    if (GetOutlineTextMetricsW(m_dc.get(), size, storage.data()) != 0) {
      const OUTLINETEXTMETRICW& outline = storage.front();
      // The underscore position is measured upwards from the baseline (negative below it).
      m_underlinePosition = std::max(0, -outline.otmsUnderscorePosition);
      m_underlineThickness = std::max(1, static_cast<int>(outline.otmsUnderscoreSize));
    }
  }
}

std::string GdiFontFace::ResolvedName() const {
  if (!m_dc) {
    return {};
  }
  wchar_t name[LF_FACESIZE] = {};
  const int length = GetTextFaceW(m_dc.get(), LF_FACESIZE, name);
  return length > 0 ? WideToUtf8(std::wstring_view(name, wcsnlen(name, LF_FACESIZE))) : "";
}

const gfx::GlyphBitmap& GdiFontFace::Glyph(char32_t codePoint) {
  auto found = m_glyphs.find(codePoint);
  if (found == m_glyphs.end()) {
    // Elements of an unordered_map keep their address, so the reference handed out stays
    // valid while more glyphs are added.
    found = m_glyphs.emplace(codePoint, Render(codePoint)).first;
  }
  return found->second;
}

bool GdiFontFace::FontHasGlyph(HFONT font, wchar_t character) {
  SelectionGuard select(m_dc.get(), font);
  WORD index = 0;
  const DWORD result =
      GetGlyphIndicesW(m_dc.get(), &character, 1, &index, GGI_MARK_NONEXISTING_GLYPHS);
  // Fonts without a glyph table (raster fonts) cannot answer; take their word for it.
  return result == GDI_ERROR || index != kMissingGlyph;
}

gfx::GlyphBitmap GdiFontFace::Render(char32_t codePoint) {
  // Outlines are asked for by UTF-16 unit, so only the Basic Multilingual Plane is served.
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (!m_dc || !m_font || codePoint > 0xFFFF || surrogate) {
    return {};
  }
  const auto character = static_cast<wchar_t>(codePoint);
  HFONT font = m_font.get();
  if (m_fallback && !FontHasGlyph(m_font.get(), character) &&
      FontHasGlyph(m_fallback.get(), character)) {
    font = m_fallback.get();
  }
  SelectionGuard select(m_dc.get(), font);
  bool outlined = false;
  gfx::GlyphBitmap glyph = RenderOutline(character, outlined);
  return outlined ? glyph : RenderWithTextOut(character);
}

gfx::GlyphBitmap GdiFontFace::RenderOutline(wchar_t character, bool& outlined) {
  const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GLYPHMETRICS metrics{};
  const DWORD size =
      GetGlyphOutlineW(m_dc.get(), character, GGO_GRAY8_BITMAP, &metrics, 0, nullptr, &identity);
  outlined = size != GDI_ERROR;
  gfx::GlyphBitmap glyph;
  if (!outlined) {
    return glyph;
  }
  glyph.Advance = static_cast<int>(metrics.gmCellIncX);
  if (size == 0) {
    // A glyph without ink (a space): only the advance counts.
    return glyph;
  }
  std::vector<std::uint8_t> levels(size);
  if (GetGlyphOutlineW(m_dc.get(), character, GGO_GRAY8_BITMAP, &metrics, size, levels.data(),
                       &identity) == GDI_ERROR) {
    outlined = false;
    return {};
  }
  const std::size_t width = metrics.gmBlackBoxX;
  const std::size_t height = metrics.gmBlackBoxY;
  // Rows are padded to whole DWORDs.
  const std::size_t pitch = (width + 3) & ~std::size_t{3};
  if (width == 0 || height == 0 || pitch * height > levels.size()) {
    return glyph;
  }
  glyph.Left = static_cast<int>(metrics.gmptGlyphOrigin.x);
  glyph.Top = static_cast<int>(metrics.gmptGlyphOrigin.y);
  glyph.Width = static_cast<int>(width);
  glyph.Height = static_cast<int>(height);
  glyph.Coverage.resize(width * height);
  for (std::size_t y = 0; y < height; ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      glyph.Coverage[y * width + x] = ScaleCoverage(levels[y * pitch + x]);
    }
  }
  return glyph;
}

gfx::GlyphBitmap GdiFontFace::RenderWithTextOut(wchar_t character) {
  gfx::GlyphBitmap glyph;
  SIZE extent{};
  TEXTMETRICW text{};
  if (!GetTextExtentPoint32W(m_dc.get(), &character, 1, &extent) ||
      !GetTextMetricsW(m_dc.get(), &text) || extent.cx <= 0 || extent.cy <= 0 ||
      extent.cx > kMaxPixelHeight * 4 || extent.cy > kMaxPixelHeight * 4) {
    return glyph;
  }
  glyph.Advance = static_cast<int>(extent.cx);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = extent.cx;
  info.bmiHeader.biHeight = -extent.cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(m_dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueDc target(CreateCompatibleDC(m_dc.get()));
  if (!bitmap || !target || bits == nullptr) {
    return glyph;
  }
  HGDIOBJ currentFont = GetCurrentObject(m_dc.get(), OBJ_FONT);
  {
    SelectionGuard selectBitmap(target.get(), bitmap.get());
    SelectionGuard selectFont(target.get(), currentFont);
    // White ink on black: any channel of a pixel is its coverage.
    SetTextColor(target.get(), gfx::RGB(255, 255, 255));
    SetBkColor(target.get(), gfx::RGB(0, 0, 0));
    SetBkMode(target.get(), OPAQUE);
    if (!TextOutW(target.get(), 0, 0, &character, 1)) {
      return glyph;
    }
    GdiFlush();
  }
  const std::size_t width = static_cast<std::size_t>(extent.cx);
  const std::size_t height = static_cast<std::size_t>(extent.cy);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  glyph.Left = 0;
  glyph.Top = static_cast<int>(text.tmAscent);
  glyph.Width = static_cast<int>(extent.cx);
  glyph.Height = static_cast<int>(extent.cy);
  glyph.Coverage.resize(width * height);
  for (std::size_t i = 0; i < width * height; ++i) {
    const std::uint32_t pixel = pixels[i];
    glyph.Coverage[i] = static_cast<std::uint8_t>(
        std::max({pixel & 0xFFu, (pixel >> 8) & 0xFFu, (pixel >> 16) & 0xFFu}));
  }
  return glyph;
}

}  // namespace orvanta::platform
