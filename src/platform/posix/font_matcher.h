#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::platform {

enum class FontWeight { Regular, Bold };
enum class FontSlant { Upright, Italic };

// A face inside a font file, as the system's font catalogue describes it.
struct FontFile {
  std::string Path;
  int Index = 0;  // face index inside a collection file
  std::string Family;
  // The style of the face itself, which can differ from the one asked for: the glyph source
  // emboldens or slants a face that lacks the wanted style.
  FontWeight Weight = FontWeight::Regular;
  FontSlant Slant = FontSlant::Upright;
};

// Finds font files by family. The glyph source asks through this seam so that tests can hand
// it files that fail to load or no fonts at all.
class FontMatcher {
 public:
  virtual ~FontMatcher() = default;
  // The best face for a family name; nullopt only when the system offers no font.
  virtual std::optional<FontFile> Match(std::string_view family, FontWeight weight,
                                        FontSlant slant) = 0;
  // The face that supplies Chinese glyphs the first face lacks; nullopt when none has them.
  virtual std::optional<FontFile> CjkFallback() = 0;
  // Usable faces, most suitable first: the last resort when a matched file does not load.
  virtual std::vector<FontFile> AnyFonts() = 0;
};

}  // namespace orvanta::platform
