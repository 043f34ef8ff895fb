#pragma once

#include <string>
#include <string_view>

namespace orvanta::app {

// The program's version, as the toolbar's version label and the About window show it.
inline constexpr std::string_view kProgramVersion = "4.0.3";

// The text with every "$V$" replaced by the version, the letter matched in either case
// ("$v$" too); a text without the macro comes back unchanged.
std::string ReplaceVersionMacro(std::string_view text, std::string_view version);

}  // namespace orvanta::app
