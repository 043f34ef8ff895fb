#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "gfx/glyph_source.h"

namespace orvanta::platform {

class GdiFontFace;

// Glyphs from GDI. Glyph outlines get no font linking, so each face pairs its font with the
// first installed face of kCjkFallbackFaces for the Chinese texts.
class GdiGlyphSource final : public gfx::GlyphSource {
 public:
  static constexpr std::array<std::wstring_view, 9> kCjkFallbackFaces = {
      L"Microsoft YaHei",  L"SimSun",
      L"NSimSun",          L"MS Song",
      L"SimHei",           L"WenQuanYi Micro Hei",
      L"Noto Sans CJK SC", L"Droid Sans Fallback",
      L"Arial Unicode MS"};

  std::shared_ptr<gfx::FontFace> Face(const gfx::FaceKey& key) override;

  // The fallback face in use, UTF-8; empty when none of the list is installed.
  std::string FallbackFaceName();

 private:
  const std::wstring& Fallback();

  using Key = std::tuple<std::string, int, bool, bool>;
  std::map<Key, std::shared_ptr<GdiFontFace>> m_faces;
  std::optional<std::wstring> m_fallback;
};

// True when GDI knows a font family of that name (installed or registered for the process).
bool IsFontFamilyInstalled(std::wstring_view name);

// Makes a font file (path in UTF-8) available to this process only; false when GDI found no
// font in it.
bool AddPrivateFontFile(const std::string& path);

}  // namespace orvanta::platform
