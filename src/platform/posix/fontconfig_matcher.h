#pragma once

#include <memory>

#include "platform/posix/font_matcher.h"

struct _FcConfig;

namespace orvanta::platform {

// The family the program really uses for a Windows family name: the metric-compatible
// substitutes are forced rather than left to the system's alias rules, which differ between
// distributions. Names without a forced substitute come back unchanged.
std::string_view SubstituteFamily(std::string_view requested);

// The family whose glyphs stand in for the Chinese characters a face lacks.
inline constexpr std::string_view kCjkFallbackFamily = "WenQuanYi Micro Hei";

// FontMatcher over fontconfig, with its own configuration loaded once.
class FontconfigMatcher final : public FontMatcher {
 public:
  FontconfigMatcher();
  ~FontconfigMatcher() override;
  FontconfigMatcher(const FontconfigMatcher&) = delete;
  FontconfigMatcher& operator=(const FontconfigMatcher&) = delete;

  std::optional<FontFile> Match(std::string_view family, FontWeight weight,
                                FontSlant slant) override;
  std::optional<FontFile> CjkFallback() override;
  std::vector<FontFile> AnyFonts() override;

 private:
  struct ConfigDeleter {
    void operator()(_FcConfig* config) const;
  };
  std::unique_ptr<_FcConfig, ConfigDeleter> m_config;  // null when fontconfig failed to load
};

}  // namespace orvanta::platform
