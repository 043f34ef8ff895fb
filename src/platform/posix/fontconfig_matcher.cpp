#include "platform/posix/fontconfig_matcher.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cstddef>

namespace orvanta::platform {
namespace {

struct FamilySubstitute {
  std::string_view Requested;
  std::string_view Family;
};

constexpr std::array kFamilySubstitutes{
    FamilySubstitute{"Arial", "Liberation Sans"},
    FamilySubstitute{"MS Sans Serif", "Liberation Sans"},
    FamilySubstitute{"Verdana", "DejaVu Sans"},
};

// A character every face fit for the Chinese interface texts has: the first one of "刷新".
constexpr FcChar32 kCjkProbe = 0x5237;

// Enough candidates for the last resort: each one that fails to load costs a file open.
constexpr std::size_t kMaxAnyFonts = 16;

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return lower(x) == lower(y); });
}

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct FontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

const FcChar8* AsFcString(const std::string& text) {
  return reinterpret_cast<const FcChar8*>(text.c_str());
}

// A pattern for a family at a weight and slant, with the configuration's defaults applied so
// that matching and sorting see what an application asking for it would see.
PatternPtr RequestPattern(FcConfig* config, std::string_view family, FontWeight weight,
                          FontSlant slant) {
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) {
    return nullptr;
  }
  const std::string name(family);
  FcPatternAddString(pattern.get(), FC_FAMILY, AsFcString(name));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                      weight == FontWeight::Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT,
                      slant == FontSlant::Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  if (!FcConfigSubstitute(config, pattern.get(), FcMatchPattern)) {
    return nullptr;
  }
  FcDefaultSubstitute(pattern.get());
  return pattern;
}

// The file, face index and style of a matched or listed font; nullopt without a file.
std::optional<FontFile> FileOf(const FcPattern* font) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
    return std::nullopt;
  }
  FontFile result;
  result.Path = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) {
    // The upper 16 bits select a named instance of a variable font; FreeType takes them as is.
    result.Index = index;
  }
  FcChar8* family = nullptr;
  if (FcPatternGetString(font, FC_FAMILY, 0, &family) == FcResultMatch && family != nullptr) {
    result.Family = reinterpret_cast<const char*>(family);
  }
  int weight = FC_WEIGHT_REGULAR;
  if (FcPatternGetInteger(font, FC_WEIGHT, 0, &weight) == FcResultMatch &&
      weight >= FC_WEIGHT_DEMIBOLD) {
    result.Weight = FontWeight::Bold;
  }
  int slant = FC_SLANT_ROMAN;
  if (FcPatternGetInteger(font, FC_SLANT, 0, &slant) == FcResultMatch && slant != FC_SLANT_ROMAN) {
    result.Slant = FontSlant::Italic;
  }
  return result;
}

bool HasChar(const FcPattern* font, FcChar32 codePoint) {
  FcCharSet* chars = nullptr;
  return FcPatternGetCharSet(font, FC_CHARSET, 0, &chars) == FcResultMatch && chars != nullptr &&
         FcCharSetHasChar(chars, codePoint);
}

}  // namespace

std::string_view SubstituteFamily(std::string_view requested) {
  for (const auto& substitute : kFamilySubstitutes) {
    if (EqualsIgnoringAsciiCase(requested, substitute.Requested)) {
      return substitute.Family;
    }
  }
  return requested;
}

void FontconfigMatcher::ConfigDeleter::operator()(_FcConfig* config) const {
  FcConfigDestroy(config);
}

FontconfigMatcher::FontconfigMatcher() : m_config(FcInitLoadConfigAndFonts()) {}

FontconfigMatcher::~FontconfigMatcher() = default;

std::optional<FontFile> FontconfigMatcher::Match(std::string_view family, FontWeight weight,
                                                 FontSlant slant) {
  if (!m_config) {
    return std::nullopt;
  }
  PatternPtr pattern = RequestPattern(m_config.get(), SubstituteFamily(family), weight, slant);
  if (!pattern) {
    return std::nullopt;
  }
  FcResult result = FcResultNoMatch;
  PatternPtr font(FcFontMatch(m_config.get(), pattern.get(), &result));
  if (!font) {
    return std::nullopt;
  }
  return FileOf(font.get());
}

std::optional<FontFile> FontconfigMatcher::CjkFallback() {
  if (!m_config) {
    return std::nullopt;
  }
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) {
    return std::nullopt;
  }
  const std::string family(kCjkFallbackFamily);
  FcPatternAddString(pattern.get(), FC_FAMILY, AsFcString(family));
  // Where that family is missing, the language steers the match to another Chinese face.
  FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  if (!FcConfigSubstitute(m_config.get(), pattern.get(), FcMatchPattern)) {
    return std::nullopt;
  }
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  PatternPtr font(FcFontMatch(m_config.get(), pattern.get(), &result));
  if (!font || !HasChar(font.get(), kCjkProbe)) {
    return std::nullopt;
  }
  return FileOf(font.get());
}

std::vector<FontFile> FontconfigMatcher::AnyFonts() {
  std::vector<FontFile> files;
  if (!m_config) {
    return files;
  }
  PatternPtr pattern =
      RequestPattern(m_config.get(), "sans-serif", FontWeight::Regular, FontSlant::Upright);
  if (!pattern) {
    return files;
  }
  FcResult result = FcResultNoMatch;
  FontSetPtr sorted(FcFontSort(m_config.get(), pattern.get(), FcTrue, nullptr, &result));
  if (!sorted) {
    return files;
  }
  for (int i = 0; i < sorted->nfont && files.size() < kMaxAnyFonts; ++i) {
    if (auto file = FileOf(sorted->fonts[i])) {
      files.push_back(std::move(*file));
    }
  }
  return files;
}

}  // namespace orvanta::platform
