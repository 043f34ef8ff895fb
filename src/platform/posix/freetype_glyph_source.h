#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "gfx/glyph_source.h"
#include "platform/posix/font_matcher.h"
#include "platform/posix/freetype_face.h"

namespace orvanta::platform {

struct FaceKeyHash {
  std::size_t operator()(const gfx::FaceKey& key) const noexcept;
};

// The Linux glyph source: FreeType renders the faces that the matcher (fontconfig by default)
// finds. A face whose file fails to load is replaced by any face that loads; with none at all,
// text is drawn as boxes. Faces live as long as anyone holds them, and asking again for the
// same key returns the same face.
class FreeTypeGlyphSource final : public gfx::GlyphSource {
 public:
  FreeTypeGlyphSource();
  explicit FreeTypeGlyphSource(std::unique_ptr<FontMatcher> matcher);
  ~FreeTypeGlyphSource() override;
  FreeTypeGlyphSource(const FreeTypeGlyphSource&) = delete;
  FreeTypeGlyphSource& operator=(const FreeTypeGlyphSource&) = delete;

  std::shared_ptr<gfx::FontFace> Face(const gfx::FaceKey& key) override;

  // Em heights are held to this range, so that a wild height cannot ask for huge bitmaps.
  static constexpr int kMinEmHeight = 1;
  static constexpr int kMaxEmHeight = 1024;

 private:
  std::shared_ptr<gfx::FontFace> OpenFace(const gfx::FaceKey& key);
  std::optional<SizedFace> OpenAnyFace(int emHeight, FontWeight weight, FontSlant slant);
  const std::optional<FontFile>& CjkFallback();

  std::unique_ptr<FontMatcher> m_matcher;
  FreeTypeLibrary m_library;  // null when FreeType failed to start
  std::unordered_map<gfx::FaceKey, std::shared_ptr<gfx::FontFace>, FaceKeyHash> m_faces;
  bool m_cjkResolved = false;
  std::optional<FontFile> m_cjk;
  std::optional<std::vector<FontFile>> m_anyFonts;  // asked for once, on the first failure
};

}  // namespace orvanta::platform
